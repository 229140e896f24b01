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

// A delimiter is one byte, taken as a Latin-1 character as the settings
// dialog takes it, and written as that character in UTF-8; a character
// beyond Latin-1 reads as "?".
char ReadCharacter(const IniFile& ini, std::string_view key, char fallback)
{
    const std::string value = ini.ReadString("STATFORMAT", key, "");
    if (value.empty()) return fallback;
    const auto lead = static_cast<unsigned char>(value[0]);
    if (lead < 0x80) return value[0];
    if ((lead == 0xC2 || lead == 0xC3) && value.size() > 1)
        return static_cast<char>((lead & 0x03) << 6 | (value[1] & 0x3F));
    return '?';
}

std::string CharacterText(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) return std::string(1, c);
    return {static_cast<char>(0xC0 | byte >> 6), static_cast<char>(0x80 | (byte & 0x3F))};
}

std::string_view FirstLine(std::string_view text) { return LineReader(text).Next(); }

// The file's text as UTF-8, empty when there is no file. A file written in
// Windows-1251 is saved again in UTF-8 as a whole.
std::string ReadSettingsText(const std::string& path)
{
    std::string bytes;
    if (FileExists(path)) ReadFileBytes(path, bytes);
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
        ParseScaleData(ini.ReadString(ScaleSection(k), "SCALEDATA", defaultBands), s.Scales[k].Categories);
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
        sink.ShowError(error.what());
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
    ini.WriteString("STATFORMAT", "DECDELIM", CharacterText(s.DECDELIM));
    ini.WriteString("STATFORMAT", "FIELDDELIM", CharacterText(s.FIELDDELIM));
    ini.WriteString("STATFORMAT", "HORDELIM", CharacterText(s.HORDELIM));
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
