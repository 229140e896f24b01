#pragma once

#include "settings/files_settings.h"

#include <string>

namespace qm {

struct LoadedSettings;

// The FILES values the main window starts with, and how many times selecting
// a loaded folder type fell back to the typed folder for want of the track's
// folder (each time the window says that no track is chosen).
struct StartFiles {
    FilesSettings Files;
    int FolderFallbacks = 0;
};

// The FILES values of the start-up load with the rules of the main window's
// controls, as if each value were set in them in the order of the file: a
// track of a file that does not exist is not taken, nor its trip's name; a folder type is clamped to
// kNoFolderType .. kTypedFolder, and selecting another one runs FolderOfType; the
// INI form's folder is taken without the track's sub-folder and with it again
// under the sub-folder flag, fallbackDir standing in for a folder that does
// not exist; an old-format file's lines follow (see OldFilesLine), a folder
// line counting only while the typed folder is selected.
StartFiles FilesAtStart(const LoadedSettings& loaded, const std::string& startDir, const std::string& fallbackDir);

}  // namespace qm
