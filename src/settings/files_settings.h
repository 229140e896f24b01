#pragma once

#include "settings/output_folder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qm {

// The FILES values of the settings file: the track (TrackListText of its
// files), the output folder type, the sub-folder option, the output
// directory and the name the user gave the trip of the track's files (empty:
// its default, TripName), as the file holds them; whoever shows them applies
// its directory rules to them.
struct FilesSettings {
    std::string TRACKFILE;
    int32_t FOLDERTYPE = kStartFolder;
    bool SUBFOLDER = false;
    std::string FOLDERNAME;
    std::string TRIPNAME;
};

// One FILES line of an old-format settings file that passed the file's own
// tests (a track path is not empty, a folder type is "0" to "2" compared as
// text), in the order of the file. Applied over the values before it, a
// FOLDERTYPE of exactly "1" selects kTypedFolder while there is no track path,
// and a FOLDERNAME counts only while the folder type is kTypedFolder.
struct OldFilesLine {
    enum class Key { TRACKFILE, FOLDERTYPE, FOLDERNAME };
    Key Name;
    std::string Value;
    int32_t FolderType = 0;  // FOLDERTYPE: the value as a number

    int32_t SelectedFolderType(bool haveTrack) const
    {
        return Value == "1" && !haveTrack ? kTypedFolder : FolderType;
    }
};

}  // namespace qm
