#include "settings/settings_file.h"

#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/file_text.h"
#include "platform/ini_file.h"
#include "platform/line_reader.h"
#include "platform/message_sink.h"
#include "platform/number_text.h"

#include <algorithm>

namespace qm {
namespace {

std::string ScaleSection(int k) { return "SPDSCALE" + IntToText(k); }

int32_t ScaleIndex(int32_t value) { return value >= 0 && value < kScaleCount ? value : 0; }

template <size_t N>
void ReadFlags(std::string_view value, std::array<bool, N>& flags)
{
    for (size_t i = 0; i < N; ++i) flags[i] = i < value.size() && value[i] == 'Y';
}

template <size_t N>
std::string FlagsText(const std::array<bool, N>& flags)
{
    std::string text;
    for (bool on : flags) text += on ? 'Y' : 'N';
    return text;
}

// The length of the UTF-8 character of two or more bytes that text begins
// with; 0 when it begins with anything else.
size_t MultiByteCharLength(std::string_view text)
{
    auto byte = [&](size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    const unsigned lead = byte(0);
    const size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                          : lead >= 0xE0 && lead <= 0xEF ? 3
                          : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                         : 0;
    // The second byte's range also excludes overlong forms, surrogates and
    // code points beyond U+10FFFF.
    const unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (length == 0 || byte(1) < low || byte(1) > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

// The first character of the value, a multi-byte UTF-8 character whole; a
// byte that begins no UTF-8 character stays one byte, as in an 8-bit code
// page. An empty value or a control character gives the fallback.
std::string ReadCharacter(const IniFile& ini, std::string_view key, const std::string& fallback)
{
    const std::string value = ini.ReadString("STATFORMAT", key, fallback);
    if (value.empty()) return fallback;
    const unsigned char first = static_cast<unsigned char>(value[0]);
    if (first < 0x20 || first == 0x7F) return fallback;
    const size_t length = MultiByteCharLength(value);
    // U+0080 to U+009F are control characters too.
    if (length == 2 && first == 0xC2 && static_cast<unsigned char>(value[1]) <= 0x9F) return fallback;
    return value.substr(0, length == 0 ? 1 : length);
}

std::string_view FirstLine(std::string_view text) { return LineReader(text).Next(); }

// A real settings file takes a few KB; a larger file is no settings file and
// is not read into memory.
constexpr int64_t kMaxSettingsFileSize = 1 << 20;

// The file's text as UTF-8, empty when there is no file. A file written in
// Windows-1251 is saved again in UTF-8 as a whole.
std::string ReadSettingsText(const std::string& path)
{
    std::string bytes;
    if (!FileExists(path)) return bytes;
    if (FileSize(path) > kMaxSettingsFileSize)
        throw Error("Settings file \"" + path + "\" is larger than 1 MiB and is not read.");
    ReadFileBytes(path, bytes);
    return FileTextToUtf8(bytes);
}

void ReadIniForm(const IniFile& ini, Settings& s, FilesState& files)
{
    files.LoadTrackFile(ini.ReadString("FILES", "TRACKFILE", ""));
    files.LoadFolderType(ini.ReadInteger("FILES", "FOLDERTYPE", 0));
    files.LoadSubFolder(ini.ReadBool("FILES", "SUBFOLDER", false));
    files.LoadFolderName(ini.ReadString("FILES", "FOLDERNAME", ""));

    const Settings defaults;
    s.TIMEINTRVL = ini.ReadFloat("VISUAL", "TIMEINTRVL", defaults.TIMEINTRVL);
    s.TRACKWIDTH = ini.ReadInteger("VISUAL", "TRACKWIDTH", defaults.TRACKWIDTH);
    s.DISPERSION = ini.ReadInteger("VISUAL", "DISPERSION", defaults.DISPERSION);
    s.CURRENTSCALE = ScaleIndex(ini.ReadInteger("VISUAL", "CURRENTSCALE", defaults.CURRENTSCALE));

    const std::string defaultBands = FormatScaleData(DefaultBands());
    for (int k = 0; k < kScaleCount; ++k) {
        s.Scales[k].Name = ini.ReadString(ScaleSection(k), "SCALENAME", IntToText(k + 1));
        try {
            ParseScaleData(ini.ReadString(ScaleSection(k), "SCALEDATA", defaultBands), s.Scales[k].Categories);
        } catch (const Error& error) {
            throw Error(error.what(), ini.KeyLine(ScaleSection(k), "SCALEDATA"));
        }
    }

    s.MINSPD = ini.ReadFloat("STATISTICS", "MINSPD", defaults.MINSPD);
    s.SPLTDIST = ini.ReadBool("STATISTICS", "SPLTDIST", defaults.SPLTDIST);
    s.MAXBREAK = ini.ReadFloat("STATISTICS", "MAXBREAK", defaults.MAXBREAK);
    s.SPLTTIME = ini.ReadBool("STATISTICS", "SPLTTIME", defaults.SPLTTIME);
    s.MAXSTOP = ini.ReadFloat("STATISTICS", "MAXSTOP", defaults.MAXSTOP);
    s.MAXSLOPE = ini.ReadFloat("STATISTICS", "MAXSLOPE", defaults.MAXSLOPE);
    s.HGTSPAN = ini.ReadFloat("STATISTICS", "HGTSPAN", defaults.HGTSPAN);
    s.GMTMOD = ini.ReadInteger("STATISTICS", "GMTMOD", defaults.GMTMOD);

    ReadFlags(ini.ReadString("STATFORMAT", "SHOWFIELD", FlagsText(defaults.SHOWFIELD)), s.SHOWFIELD);
    ReadFlags(ini.ReadString("STATFORMAT", "SHOWLEVEL", FlagsText(defaults.SHOWLEVEL)), s.SHOWLEVEL);
    s.DECDELIM = ReadCharacter(ini, "DECDELIM", defaults.DECDELIM);
    s.FIELDDELIM = ReadCharacter(ini, "FIELDDELIM", defaults.FIELDDELIM);
    s.HORDELIM = ReadCharacter(ini, "HORDELIM", defaults.HORDELIM);
    s.NUMDIGITS = ini.ReadInteger("STATFORMAT", "NUMDIGITS", defaults.NUMDIGITS);
}

}  // namespace

std::string SettingsFilePath(const std::string& directory)
{
    // No directory means the current one, not the root.
    if (directory.empty() || directory.back() == '/') return directory + std::string(kSettingsFileName);
    return directory + "/" + std::string(kSettingsFileName);
}

std::pair<std::string_view, std::string_view> SplitKeyValue(std::string_view line)
{
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    return {line.substr(0, equals), line.substr(equals + 1)};
}

void ImportOldSettings(std::string_view text, Settings& s, FilesState& files)
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
            if (!value.empty()) files.ImportTrackFile(std::string(value));
        } else if (key == "FOLDERTYPE") {
            if (value >= "0" && value <= "2")
                files.ImportFolderType(value == "1" && files.TrackFile().empty() ? 2 : TextToInt(value));
        } else if (key == "FOLDERNAME") {
            if (files.FolderType() == 2) files.ImportFolderName(std::string(value));
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

bool LoadSettings(const std::string& path, Settings& settings, FilesState& files, MessageSink& sink)
{
    try {
        const std::string text = ReadSettingsText(path);
        ReadIniForm(IniFile(path, text), settings, files);
        if (FirstLine(text) == kOldSettingsMarker) ImportOldSettings(text, settings, files);
    } catch (const Error& error) {
        sink.ShowFileError(error);
        return false;
    }
    settings.SettingsChanged = false;
    return true;
}

void WriteSettings(IniFile& ini, const Settings& s, const FilesState& files)
{
    ini.WriteString("VERSION", "VERSION", kSettingsVersion);

    ini.WriteString("FILES", "TRACKFILE", files.TrackFile());
    ini.WriteInteger("FILES", "FOLDERTYPE", files.FolderType());
    ini.WriteBool("FILES", "SUBFOLDER", files.SubFolder());
    ini.WriteString("FILES", "FOLDERNAME", files.FolderName());

    ini.WriteFloat("VISUAL", "TIMEINTRVL", s.TIMEINTRVL);
    ini.WriteInteger("VISUAL", "TRACKWIDTH", s.TRACKWIDTH);
    ini.WriteInteger("VISUAL", "DISPERSION", s.DISPERSION);
    ini.WriteInteger("VISUAL", "SCALENUM", kScaleCount);
    ini.WriteInteger("VISUAL", "CURRENTSCALE", s.CURRENTSCALE);

    for (int k = 0; k < kScaleCount; ++k) {
        ini.WriteString(ScaleSection(k), "SCALENAME", s.Scales[k].Name);
        ini.WriteString(ScaleSection(k), "SCALEDATA", FormatScaleData(s.Scales[k].Categories));
    }

    ini.WriteFloat("STATISTICS", "MINSPD", s.MINSPD);
    ini.WriteBool("STATISTICS", "SPLTDIST", s.SPLTDIST);
    ini.WriteFloat("STATISTICS", "MAXBREAK", s.MAXBREAK);
    ini.WriteBool("STATISTICS", "SPLTTIME", s.SPLTTIME);
    ini.WriteFloat("STATISTICS", "MAXSTOP", s.MAXSTOP);
    ini.WriteFloat("STATISTICS", "MAXSLOPE", s.MAXSLOPE);
    ini.WriteFloat("STATISTICS", "HGTSPAN", s.HGTSPAN);
    ini.WriteInteger("STATISTICS", "GMTMOD", s.GMTMOD);

    ini.WriteString("STATFORMAT", "SHOWFIELD", FlagsText(s.SHOWFIELD));
    ini.WriteString("STATFORMAT", "SHOWLEVEL", FlagsText(s.SHOWLEVEL));
    ini.WriteString("STATFORMAT", "DECDELIM", s.DECDELIM);
    ini.WriteString("STATFORMAT", "FIELDDELIM", s.FIELDDELIM);
    ini.WriteString("STATFORMAT", "HORDELIM", s.HORDELIM);
    ini.WriteInteger("STATFORMAT", "NUMDIGITS", s.NUMDIGITS);
}

bool SaveSettingsExecute(Settings& settings, const FilesState& files, MessageSink& sink)
{
    SetCurrentDir(settings.StartDir);
    const std::string path = SettingsFilePath(settings.StartDir);
    std::string text;
    try {
        text = ReadSettingsText(path);
    } catch (const Error&) {
        text.clear();
    }
    const bool oldFormat = FirstLine(text) == kOldSettingsMarker;
    if (oldFormat) settings.SettingsChanged = true;
    if (!settings.SettingsChanged) return true;

    // An old-format file is not deleted first: the new file replaces it in
    // one step, so a failed write cannot lose the old settings.
    IniFile ini(path, oldFormat ? std::string() : text);
    WriteSettings(ini, settings, files);
    try {
        ini.UpdateFile();
    } catch (const Error& error) {
        if (oldFormat) sink.ShowMessage("Невозможно удалить файл Quillmarsh.ini");
        sink.ShowError(error.what());
        return false;
    }
    return true;
}

}  // namespace qm
