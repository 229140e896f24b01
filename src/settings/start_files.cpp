#include "settings/start_files.h"

#include "platform/file_system.h"
#include "settings/output_folder.h"
#include "settings/settings_file.h"
#include "settings/track_files.h"
#include "settings/track_list_text.h"

#include <algorithm>

namespace qm {

StartFiles FilesAtStart(const LoadedSettings& loaded, const std::string& startDir, const std::string& fallbackDir)
{
    StartFiles start;
    FilesSettings& files = start.Files;
    files.FOLDERTYPE = kNoFolderType;
    // The path the outputs are named after: a trip's name.
    const auto trackName = [&] {
        return files.TRACKFILE.empty() ? std::string() : TrackFilesOfText(files.TRACKFILE, files.TRIPNAME).Name;
    };
    // As a radio group takes an item index: only a change runs the rule.
    const auto select = [&](int32_t type) {
        type = std::clamp(type, kNoFolderType, kTypedFolder);
        if (type == files.FOLDERTYPE) return;
        const OutputFolder folder = FolderOfType(type, trackName(), files.FOLDERNAME, files.SUBFOLDER, startDir);
        if (folder.Type != type) ++start.FolderFallbacks;
        files.FOLDERTYPE = folder.Type;
        files.FOLDERNAME = folder.Text;
    };
    const auto existingOrFallback = [&](const std::string& folder) {
        return DirectoryExists(folder) ? folder : fallbackDir;
    };

    const FilesSettings& ini = loaded.Files;
    if (EveryTrackFileExists(ini.TRACKFILE)) {
        files.TRACKFILE = ini.TRACKFILE;
        files.TRIPNAME = ini.TRIPNAME;
    }
    select(ini.FOLDERTYPE);
    files.SUBFOLDER = ini.SUBFOLDER;
    if (files.SUBFOLDER)
        files.FOLDERNAME =
            WithSubFolder(existingOrFallback(WithoutSubFolder(ini.FOLDERNAME, trackName())), trackName());
    else
        files.FOLDERNAME = existingOrFallback(ini.FOLDERNAME);

    for (const OldFilesLine& line : loaded.OldFiles) {
        switch (line.Name) {
        case OldFilesLine::Key::TRACKFILE:
            if (FileExists(line.Value)) files.TRACKFILE = line.Value;
            break;
        case OldFilesLine::Key::FOLDERTYPE:
            select(line.SelectedFolderType(!files.TRACKFILE.empty()));
            break;
        case OldFilesLine::Key::FOLDERNAME:
            if (files.FOLDERTYPE == kTypedFolder) files.FOLDERNAME = existingOrFallback(line.Value);
            break;
        }
    }
    return start;
}

}  // namespace qm
