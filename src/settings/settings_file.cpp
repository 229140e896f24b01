#include "settings/settings_file.h"

#include "settings/percent_bases.h"

#include "platform/byte_source.h"
#include "platform/error.h"
#include "platform/file_descriptor.h"
#include "platform/file_system.h"
#include "platform/file_text.h"
#include "platform/ini_file.h"
#include "platform/line_reader.h"
#include "platform/path_text.h"
#include "platform/message_sink.h"
#include "platform/message_text.h"
#include "platform/number_text.h"

#include <algorithm>
#include <array>
#include <functional>
#include <type_traits>

namespace qm {
namespace {

std::string ScaleSection(int k) { return "SPDSCALE" + IntToText(k); }

int32_t ScaleIndex(int32_t value) { return value >= 0 && value < kScaleCount ? value : 0; }

std::string_view FirstLine(std::string_view text) { return LineReader(text).Next(); }

// A real settings file takes a few KB; a larger file is no settings file and
// is not read into memory.
constexpr uint64_t kMaxSettingsFileSize = 1 << 20;

// The file's text as UTF-8, empty when there is no file. A file written in
// Windows-1251 is saved again in UTF-8 as a whole. Throws Error with the
// reason when a file is there but cannot be read.
std::string ReadSettingsText(const std::string& path)
{
    if (NothingAt(path)) return {};
    std::string why;
    FileDescriptor fd(OpenRegularFile(path, &why));
    if (!fd.IsOpen()) throw Error(why);
    FileBytes file(fd.get(), path, kMaxSettingsFileSize);
    if (file.Size() > kMaxSettingsFileSize) throw Error(MessageText(MessageId::SettingsTooLarge));
    return FileTextToUtf8(ReadAllBytes(file));
}

// One key of the settings file: where it stands, how it is read over the
// settings and how its value is written. Read is empty for a key that is
// only written. A key that few files need (one of a list, a trip's name, a
// colour scale's) is written only where the file has it already or its value
// is not the default (empty for a list and a trip's name), so that a short
// list adds no empty lines and older files are written as they were.
struct SettingsKey {
    std::string Section;
    std::string_view Name;
    std::function<void(const IniFile&, const SettingsKey&, Settings&, FilesSettings&)> Read;
    std::function<std::string(const Settings&, const FilesSettings&)> Text;
    bool Optional = false;
};

// Runs read, giving an Error it throws the key's line.
template <typename Read>
void ReadAtLine(const IniFile& ini, const SettingsKey& key, Read read)
{
    try {
        read();
    } catch (const Error& error) {
        throw Error(error.what(), ini.KeyLine(key.Section, key.Name));
    }
}

// The values read and written the same way for every key of a type.
double ReadValue(const IniFile& ini, const SettingsKey& k, double fallback)
{
    return ini.ReadFloat(k.Section, k.Name, fallback);
}
int32_t ReadValue(const IniFile& ini, const SettingsKey& k, int32_t fallback)
{
    return ini.ReadInteger(k.Section, k.Name, fallback);
}
bool ReadValue(const IniFile& ini, const SettingsKey& k, bool fallback)
{
    return ini.ReadBool(k.Section, k.Name, fallback);
}
std::string ReadValue(const IniFile& ini, const SettingsKey& k, const std::string& fallback)
{
    return ini.ReadString(k.Section, k.Name, fallback);
}
// Any text but a format's name reads as the OziExplorer files.
OutputFormat ReadValue(const IniFile& ini, const SettingsKey& k, OutputFormat fallback)
{
    return ParseOutputFormat(ini.ReadString(k.Section, k.Name, std::string(OutputFormatText(fallback))))
        .value_or(OutputFormat::Plt);
}
template <size_t N>
std::string ValueText(const std::array<bool, N>& flags)
{
    std::string text;
    for (bool on : flags) text += on ? 'Y' : 'N';
    return text;
}
template <size_t N>
std::array<bool, N> ReadValue(const IniFile& ini, const SettingsKey& k, const std::array<bool, N>& fallback)
{
    std::string value = ini.ReadString(k.Section, k.Name, ValueText(fallback));
    std::array<bool, N> flags;
    for (size_t i = 0; i < N; ++i) flags[i] = i < value.size() && value[i] == 'Y';
    return flags;
}
std::string ValueText(double value) { return FloatToText(value); }
std::string ValueText(int32_t value) { return IntToText(value); }
std::string ValueText(bool value) { return value ? "1" : "0"; }
std::string ValueText(const std::string& value) { return value; }
std::string ValueText(OutputFormat value) { return std::string(OutputFormatText(value)); }
// An unknown or missing language is Russian.
Language ReadValue(const IniFile& ini, const SettingsKey& k, Language fallback)
{
    return ParseLanguage(ini.ReadString(k.Section, k.Name, std::string(LanguageText(fallback))))
        .value_or(Language::Russian);
}
std::string ValueText(Language value) { return std::string(LanguageText(value)); }
// Any text but a choice's name reads as the automatic one.
ProfileAxisChoice ReadValue(const IniFile& ini, const SettingsKey& k, ProfileAxisChoice fallback)
{
    return ParseProfileAxis(ini.ReadString(k.Section, k.Name, std::string(ProfileAxisText(fallback))))
        .value_or(ProfileAxisChoice::Automatic);
}
std::string ValueText(ProfileAxisChoice value) { return std::string(ProfileAxisText(value)); }
// Any text but a measure's name reads as none.
std::optional<Measure> ReadValue(const IniFile& ini, const SettingsKey& k, std::optional<Measure>)
{
    return ParseMeasureName(ini.ReadString(k.Section, k.Name, ""));
}
std::string ValueText(std::optional<Measure> value) { return value ? std::string(MeasureName(*value)) : "none"; }
// Any text but a measure's name reads as speed.
ColourMeasure ReadValue(const IniFile& ini, const SettingsKey& k, ColourMeasure)
{
    return ParseColourMeasure(ini.ReadString(k.Section, k.Name, "")).value_or(ColourMeasure::Speed);
}
std::string ValueText(ColourMeasure value) { return std::string(ColourMeasureName(value)); }

template <typename Holder>
Holder& Part(Settings& settings, FilesSettings& files)
{
    if constexpr (std::is_same_v<Holder, Settings>)
        return settings;
    else
        return files;
}
template <typename Holder>
const Holder& Part(const Settings& settings, const FilesSettings& files)
{
    if constexpr (std::is_same_v<Holder, Settings>)
        return settings;
    else
        return files;
}

// A key that holds one field as it is; a missing key or a value that does
// not convert gives the field's default.
template <typename Holder, typename T>
SettingsKey Field(std::string section, std::string_view name, T Holder::*field)
{
    return {std::move(section), name,
            [field](const IniFile& ini, const SettingsKey& k, Settings& s, FilesSettings& f) {
                const Holder defaults;
                Part<Holder>(s, f).*field = ReadValue(ini, k, defaults.*field);
            },
            [field](const Settings& s, const FilesSettings& f) { return ValueText(Part<Holder>(s, f).*field); }};
}

SettingsKey OptionalKey(SettingsKey key)
{
    key.Optional = true;
    return key;
}

// A delimiter: the first character of the value, a multi-byte UTF-8
// character whole; a byte that begins no UTF-8 character stays one byte, as
// in an 8-bit code page. An empty value or a control character gives the
// default.
SettingsKey Delimiter(std::string_view name, std::string Settings::*field)
{
    return {"STATFORMAT", name,
            [field](const IniFile& ini, const SettingsKey& k, Settings& s, FilesSettings&) {
                const std::string fallback = Settings().*field;
                const std::string value = ini.ReadString(k.Section, k.Name, fallback);
                const unsigned char first = value.empty() ? 0 : static_cast<unsigned char>(value[0]);
                const size_t length = Utf8CharacterLength(value);
                // U+0080 to U+009F are control characters too.
                const bool control = first < 0x20 || first == 0x7F ||
                                     (length == 2 && first == 0xC2 && static_cast<unsigned char>(value[1]) <= 0x9F);
                s.*field = control ? fallback : value.substr(0, length == 0 ? 1 : length);
            },
            [field](const Settings& s, const FilesSettings&) { return s.*field; }};
}

// An optional key of a number of which the heart rate's or the power's bounds
// are percentages: a value that is no number within its limits gives the default.
SettingsKey PercentBase(std::string section, std::string_view name, double Settings::*field, ValueLimits limits)
{
    return {std::move(section), name,
            [field, limits](const IniFile& ini, const SettingsKey& k, Settings& s, FilesSettings&) {
                const double fallback = Settings().*field;
                const double value = ReadValue(ini, k, fallback);
                s.*field = limits.Hold(value) ? value : fallback;
            },
            [field](const Settings& s, const FilesSettings&) { return ValueText(s.*field); }, true};
}

// TRACK1 to TRACK10 of [RECENT], the newest first. What else the section holds
// is not read.
void AddRecentTrackKeys(std::vector<SettingsKey>& keys)
{
    static constexpr std::array<std::string_view, RecentTracks::kCount> kNames = {
        "TRACK1", "TRACK2", "TRACK3", "TRACK4", "TRACK5", "TRACK6", "TRACK7", "TRACK8", "TRACK9", "TRACK10"};
    for (size_t n = 0; n < kNames.size(); ++n)
        keys.push_back({"RECENT", kNames[n],
                        [n](const IniFile& ini, const SettingsKey& key, Settings& s, FilesSettings&) {
                            if (n == 0) s.RECENT = RecentTracks();
                            s.RECENT.AddOlder(ini.ReadString(key.Section, key.Name, ""));
                        },
                        [n](const Settings& s, const FilesSettings&) {
                            const std::vector<std::string>& paths = s.RECENT.Paths();
                            return n < paths.size() ? paths[n] : std::string();
                        },
                        true});
}

// BOUNDS or COLORS of a measure's scale; a value that breaks the scale's
// rules stops the load at its line.
template <typename Values>
SettingsKey ColourScaleKey(const std::string& section, std::string_view name, ColourMeasure measure,
                           Values ColourScale::*field, std::string (*format)(const Values&),
                           Values (*parse)(std::string_view))
{
    return {section, name,
            [=](const IniFile& ini, const SettingsKey& key, Settings& s, FilesSettings&) {
                const std::string fallback = format(ScaleOf(DefaultColourScales(), measure).*field);
                ReadAtLine(ini, key,
                           [&] { ScaleOf(s.ColourScales, measure).*field = parse(ReadValue(ini, key, fallback)); });
            },
            [=](const Settings& s, const FilesSettings&) { return format(ScaleOf(s.ColourScales, measure).*field); },
            true};
}

// The keys of the colour scales, each measure's in a section of its own:
// MAXHR or FTP where the bounds are percentages of it, BOUNDS and COLORS.
void AddColourScaleKeys(std::vector<SettingsKey>& keys)
{
    static constexpr std::array<std::string_view, kColourMeasureCount - 1> kSections = {
        "HEIGHT", "GRADE", "HEARTRATE", "CADENCE", "POWER", "TEMPERATURE"};
    for (size_t n = 0; n < kSections.size(); ++n) {
        const auto measure = static_cast<ColourMeasure>(n + 1);
        const std::string section(kSections[n]);
        if (measure == ColourMeasure::HeartRate) keys.push_back(PercentBase(section, "MAXHR", &Settings::MAXHR, kMaxHeartRateLimits));
        if (measure == ColourMeasure::Power) keys.push_back(PercentBase(section, "FTP", &Settings::FTP, kFtpLimits));
        keys.push_back(ColourScaleKey(section, "BOUNDS", measure, &ColourScale::Bounds, FormatBounds, ParseBounds));
        keys.push_back(ColourScaleKey(section, "COLORS", measure, &ColourScale::Colors, FormatColors, ParseColors));
    }
}

SettingsKey Written(std::string section, std::string_view name, std::string value)
{
    return {std::move(section), name, nullptr, [value](const Settings&, const FilesSettings&) { return value; }};
}

// Every key in the order of the file; the load reads them in this order,
// the interface's keys first.
const std::vector<SettingsKey>& SettingsKeys()
{
    static const std::vector<SettingsKey> keys = [] {
        std::vector<SettingsKey> k = {
            Written("VERSION", "VERSION", std::string(kSettingsVersion)),
            Field("FILES", "TRACKFILE", &FilesSettings::TRACKFILE),
            Field("FILES", "FOLDERTYPE", &FilesSettings::FOLDERTYPE),
            Field("FILES", "SUBFOLDER", &FilesSettings::SUBFOLDER),
            Field("FILES", "FOLDERNAME", &FilesSettings::FOLDERNAME),
            OptionalKey(Field("FILES", "TRIPNAME", &FilesSettings::TRIPNAME)),
            Field("VISUAL", "TIMEINTRVL", &Settings::TIMEINTRVL),
            Field("VISUAL", "TRACKWIDTH", &Settings::TRACKWIDTH),
            Field("VISUAL", "DISPERSION", &Settings::DISPERSION),
            Written("VISUAL", "SCALENUM", IntToText(kScaleCount)),
            {"VISUAL", "CURRENTSCALE",
             [](const IniFile& ini, const SettingsKey& key, Settings& s, FilesSettings&) {
                 s.CURRENTSCALE = ScaleIndex(ReadValue(ini, key, Settings().CURRENTSCALE));
             },
             [](const Settings& s, const FilesSettings&) { return IntToText(s.CURRENTSCALE); }},
            Field("VISUAL", "OUTFORMAT", &Settings::OUTFORMAT),
        };
        for (int n = 0; n < kScaleCount; ++n) {
            k.push_back({ScaleSection(n), "SCALENAME",
                         [n](const IniFile& ini, const SettingsKey& key, Settings& s, FilesSettings&) {
                             s.Scales[n].Name = ReadValue(ini, key, IntToText(n + 1));
                         },
                         [n](const Settings& s, const FilesSettings&) { return s.Scales[n].Name; }});
            k.push_back({ScaleSection(n), "SCALEDATA",
                         [n](const IniFile& ini, const SettingsKey& key, Settings& s, FilesSettings&) {
                             ReadAtLine(ini, key, [&] {
                                 ParseScaleData(ReadValue(ini, key, FormatScaleData(DefaultBands())),
                                                s.Scales[n].Categories);
                             });
                         },
                         [n](const Settings& s, const FilesSettings&) {
                             return FormatScaleData(s.Scales[n].Categories);
                         }});
        }
        for (SettingsKey key : {
                 Field("STATISTICS", "MINSPD", &Settings::MINSPD),
                 Field("STATISTICS", "SPLTDIST", &Settings::SPLTDIST),
                 Field("STATISTICS", "MAXBREAK", &Settings::MAXBREAK),
                 Field("STATISTICS", "SPLTTIME", &Settings::SPLTTIME),
                 Field("STATISTICS", "MAXSTOP", &Settings::MAXSTOP),
                 Field("STATISTICS", "MAXSLOPE", &Settings::MAXSLOPE),
                 Field("STATISTICS", "HGTSPAN", &Settings::HGTSPAN),
                 Field("STATISTICS", "GMTMOD", &Settings::GMTMOD),
                 Field("STATFORMAT", "SHOWFIELD", &Settings::SHOWFIELD),
                 Field("STATFORMAT", "SHOWLEVEL", &Settings::SHOWLEVEL),
                 Delimiter("DECDELIM", &Settings::DECDELIM),
                 Delimiter("FIELDDELIM", &Settings::FIELDDELIM),
                 Delimiter("HORDELIM", &Settings::HORDELIM),
                 Field("STATFORMAT", "NUMDIGITS", &Settings::NUMDIGITS),
                 Field("MAP", "TILEURL", &Settings::TILEURL),
                 Field("MAP", "MAPLEFT", &Settings::MAPLEFT),
                 Field("MAP", "MAPTOP", &Settings::MAPTOP),
                 Field("MAP", "MAPWIDTH", &Settings::MAPWIDTH),
                 Field("MAP", "MAPHEIGHT", &Settings::MAPHEIGHT),
                 Field("MAP", "PROFILEAXIS", &Settings::PROFILEAXIS),
                 Field("MAP", "PROFILEMEASURE", &Settings::PROFILEMEASURE),
                 OptionalKey(Field("MAP", "COLOURBY", &Settings::COLOURBY)),
                 Field("INTERFACE", "LANGUAGE", &Settings::LANGUAGE),
             })
            k.push_back(std::move(key));
        AddColourScaleKeys(k);
        AddRecentTrackKeys(k);
        return k;
    }();
    return keys;
}

void ReadIniForm(const IniFile& ini, Settings& settings, FilesSettings& files)
{
    // The interface's keys first: they never stop the load (an unknown
    // language is Russian), and a value that does is then reported in the
    // language the user chose.
    for (const bool interface : {true, false})
        for (const SettingsKey& key : SettingsKeys())
            if (key.Read && (key.Section == "INTERFACE") == interface) key.Read(ini, key, settings, files);
}

}  // namespace

std::string SettingsFilePath(const std::string& directory)
{
    return JoinPath(directory, kSettingsFileName);
}

std::pair<std::string_view, std::string_view> SplitKeyValue(std::string_view line)
{
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    return {line.substr(0, equals), line.substr(equals + 1)};
}

void ImportOldSettings(std::string_view text, Settings& s, std::vector<OldFilesLine>& files)
{
    LineReader lines(text);
    lines.Next();  // the marker
    int32_t scaleCount = kScaleCount;
    int32_t block = 0;
    while (!lines.AtEnd()) {
        std::string_view line = lines.Next();
        if (!line.empty() && line.front() == '#') continue;
        auto [key, value] = SplitKeyValue(line);
        // Texts compare by character codes: "10" passes a test for "not above 2".
        if (key == "TRACKFILE") {
            if (!value.empty()) files.push_back({OldFilesLine::Key::TRACKFILE, std::string(value)});
        } else if (key == "FOLDERTYPE") {
            if (value >= "0" && value <= "2")
                files.push_back({OldFilesLine::Key::FOLDERTYPE, std::string(value), TextToInt(value)});
        } else if (key == "FOLDERNAME") {
            files.push_back({OldFilesLine::Key::FOLDERNAME, std::string(value)});
        } else if (key == "TIMEINTRVL") {
            if (TextToInt(value) > 0) s.TIMEINTRVL = TextToFloat(value);
        } else if (key == "TRACKWIDTH") {
            if (value > "0" && value <= "9") s.TRACKWIDTH = TextToInt(value);
        } else if (key == "SCALENUM") {
            // The program always keeps three scales; the number only limits
            // how many blocks are read.
            if (!value.empty()) scaleCount = std::min(TextToInt(value), kScaleCount);
        } else if (key == "CURRENTSCALE") {
            s.CURRENTSCALE = ScaleIndex(TextToInt(value));
        } else if (key == "SCALENAME") {
            if (block < scaleCount) s.Scales[block].Name = value;
        } else if (key == "SCALEDATA") {
            if (block < scaleCount) {
                for (SpeedCategory& band : s.Scales[block].Categories) band = ParseCategoryLine(lines.Next());
                ++block;
            }
        }
    }
}

FilesSettings LoadedSettings::PlainFiles() const
{
    FilesSettings files = Files;
    for (const OldFilesLine& line : OldFiles) {
        switch (line.Name) {
        case OldFilesLine::Key::TRACKFILE:
            files.TRACKFILE = line.Value;
            break;
        case OldFilesLine::Key::FOLDERTYPE:
            files.FOLDERTYPE = line.SelectedFolderType(!files.TRACKFILE.empty());
            break;
        case OldFilesLine::Key::FOLDERNAME:
            if (files.FOLDERTYPE == kTypedFolder) files.FOLDERNAME = line.Value;
            break;
        }
    }
    return files;
}

LoadedSettings LoadSettings(const std::string& path, Settings& settings)
{
    LoadedSettings loaded;
    try {
        const std::string text = ReadSettingsText(path);
        ReadIniForm(IniFile(path, text), settings, loaded.Files);
        if (FirstLine(text) == kOldSettingsMarker) ImportOldSettings(text, settings, loaded.OldFiles);
    } catch (const Error& error) {
        loaded.Error = error;
        settings.KeepSettingsFile = true;
        return loaded;
    }
    settings.SettingsChanged = false;
    return loaded;
}

void WriteSettings(IniFile& ini, const Settings& settings, const FilesSettings& files)
{
    const Settings defaults;
    const FilesSettings defaultFiles;
    for (const SettingsKey& key : SettingsKeys()) {
        const std::string text = key.Text(settings, files);
        if (key.Optional && ini.KeyLine(key.Section, key.Name) == 0 && text == key.Text(defaults, defaultFiles))
            continue;
        ini.WriteString(key.Section, key.Name, text);
    }
}

bool SaveSettings(Settings& settings, const FilesSettings& files, MessageSink& sink)
{
    const std::string path = SettingsFilePath(settings.StartDir);
    std::optional<std::string> text;
    try {
        if (!settings.KeepSettingsFile) text = ReadSettingsText(path);
    } catch (const Error&) {
    }
    // What the program did not read it cannot write back: the file keeps
    // every section it holds.
    if (!text) {
        sink.ShowMessage(MessageText(MessageId::SettingsNotSaved, {path}));
        return true;
    }
    const bool oldFormat = FirstLine(*text) == kOldSettingsMarker;
    if (oldFormat) settings.SettingsChanged = true;
    if (!settings.SettingsChanged) return true;

    // An old-format file is not deleted first: the new file replaces it in
    // one step, so a failed write cannot lose the old settings.
    IniFile ini(path, oldFormat ? std::string() : *text);
    WriteSettings(ini, settings, files);
    try {
        ini.UpdateFile();
    } catch (const Error& error) {
        if (oldFormat) sink.ShowMessage(MessageText(MessageId::OldSettingsNotRemoved));
        sink.ShowError(error.what());
        return false;
    }
    return true;
}

}  // namespace qm
