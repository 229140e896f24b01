#pragma once

#include "settings/files_state.h"
#include "settings/settings.h"

#include <string>
#include <string_view>
#include <utility>

namespace qm {

class IniFile;
class MessageSink;

inline constexpr std::string_view kSettingsFileName = "Quillmarsh.ini";
inline constexpr std::string_view kOldSettingsMarker = "Quillmarsh V1.1 settings file";
inline constexpr std::string_view kSettingsVersion = "Quillmarsh V1.2 settings file";

// The settings file in a directory.
std::string SettingsFilePath(const std::string& directory);

// The start-up load: reads the settings file at path (a missing file gives
// every default) into settings and files, imports an old-format file, and
// clears SettingsChanged. A value that stops the load (a bad SCALEDATA, a bad
// old-format line) is shown through sink; what was read before it stays, the
// rest keeps its default, and the result is false. A file larger than 1 MiB
// is not read: every default stays, its message is shown, the result is false.
bool LoadSettings(const std::string& path, Settings& settings, FilesState& files, MessageSink& sink);

// Reads the lines of an old-format file (its first line is the marker) over
// settings and files. Throws Error on a value that does not convert.
void ImportOldSettings(std::string_view text, Settings& settings, FilesState& files);

// Key and value of an old-format line: the text before and after its first
// "=", both empty when it has none.
std::pair<std::string_view, std::string_view> SplitKeyValue(std::string_view line);

// Writes every key, in the file's order, into ini.
void WriteSettings(IniFile& ini, const Settings& settings, const FilesState& files);

// The save at close: in StartDir, removes an old-format file, then writes the
// settings file when SettingsChanged is set. False when the file could not be
// written ("Unable to write to PATH" has been shown).
bool SaveSettingsExecute(Settings& settings, const FilesState& files, MessageSink& sink);

}  // namespace qm
