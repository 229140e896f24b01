#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// The output folder types of the main window (FOLDERTYPE).
inline constexpr int32_t kStartFolder = 0;  // the folder the program started in
inline constexpr int32_t kTrackFolder = 1;  // the track's own folder
inline constexpr int32_t kTypedFolder = 2;  // a folder the user types or chooses
inline constexpr int32_t kNoFolderType = -1;  // none selected: a stored type below 0

// What a window shows for a folder type.
struct OutputFolder {
    int32_t Type = kTypedFolder;  // kTypedFolder in place of kTrackFolder when the track has no folder
    std::string Text;             // the output folder text
    bool Editable = true;         // only a typed folder may be edited
};

// The output folder of a folder type for the track: the start folder (with a
// "/" after it) or the track's folder, each with the track's sub-folder
// (SubFolderName) appended under the sub-folder flag; a typed folder keeps
// folderText. When the track's folder does not exist (no track chosen) the
// type falls back to kTypedFolder.
OutputFolder FolderOfType(int32_t type, std::string_view trackPath, std::string_view folderText, bool subFolder,
                          std::string_view startDir);

// The folder text with the track's sub-folder appended, a "/" put between
// them when the text does not end with one.
std::string WithSubFolder(std::string_view folderText, std::string_view trackPath);
// The folder text without the track's sub-folder at its end; a text that does
// not end with it stays as it is.
std::string WithoutSubFolder(std::string_view folderText, std::string_view trackPath);

}  // namespace qm
