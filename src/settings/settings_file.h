#pragma once

#include "platform/error.h"
#include "settings/files_settings.h"
#include "settings/settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qm {

class IniFile;
class MessageSink;

inline constexpr std::string_view kSettingsFileName = "Quillmarsh.ini";
inline constexpr std::string_view kOldSettingsMarker = "Quillmarsh V1.1 settings file";
inline constexpr std::string_view kSettingsVersion = "Quillmarsh V1.2 settings file";

// The settings file in a directory.
std::string SettingsFilePath(const std::string& directory);

// What the start-up load read besides the Settings.
struct LoadedSettings {
    // The INI form's FILES values, defaults for those it lacks.
    FilesSettings Files;
    // The FILES lines of an old-format file, read after the INI form.
    std::vector<OldFilesLine> OldFiles;
    // The error of a value that stopped the load, with its line when known.
    std::optional<qm::Error> Error;

    // The FILES values as they stand after the old-format lines, with the
    // rules of those lines and no look at the file system.
    FilesSettings PlainFiles() const;
};

// The start-up load: reads the settings file at path (a missing file gives
// every default) into settings, imports an old-format file, and clears
// SettingsChanged. A value that stops the load (a bad SCALEDATA, a bad
// old-format line) is the result's Error; what was read before it stays, the
// rest keeps its default, and SettingsChanged stays as it was. A file that is
// there but cannot be read, or is larger than 1 MiB, is not read: every
// default stays, and the reason is the Error. After an Error the settings
// keep the file (KeepSettingsFile).
LoadedSettings LoadSettings(const std::string& path, Settings& settings);

// Reads the lines of an old-format file (its first line is the marker) over
// settings, collecting its FILES lines. Throws Error on a value that does not
// convert.
void ImportOldSettings(std::string_view text, Settings& settings, std::vector<OldFilesLine>& files);

// Key and value of an old-format line: the text before and after its first
// "=", both empty when it has none.
std::pair<std::string_view, std::string_view> SplitKeyValue(std::string_view line);

// Writes every key, in the file's order, into ini.
void WriteSettings(IniFile& ini, const Settings& settings, const FilesSettings& files);

// The save at close: in StartDir, removes an old-format file, then writes the
// settings file when SettingsChanged is set. False when the file could not be
// written ("Unable to write to PATH" has been shown). A file the settings
// keep, or one that cannot be read now, is left as it is, with a message
// naming it.
bool SaveSettings(Settings& settings, const FilesSettings& files, MessageSink& sink);

}  // namespace qm
