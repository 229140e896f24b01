#include "settings/output_folder.h"

#include "platform/file_system.h"
#include "platform/path_text.h"

namespace qm {

OutputFolder FolderOfType(int32_t type, std::string_view trackPath, std::string_view folderText, bool subFolder,
                          std::string_view startDir)
{
    std::string fixed;
    if (type == kStartFolder) {
        fixed = std::string(startDir) + kPathSeparator;
    } else if (type == kTrackFolder) {
        fixed = PathDirPart(trackPath);
        if (!DirectoryExists(fixed)) return OutputFolder{kTypedFolder, std::string(folderText), true};
    } else {
        return OutputFolder{type, std::string(folderText), true};
    }
    return OutputFolder{type, subFolder ? WithSubFolder(fixed, trackPath) : fixed, false};
}

std::string WithSubFolder(std::string_view folderText, std::string_view trackPath)
{
    std::string text(folderText);
    if (!EndsWithPathSeparator(text)) text += kPathSeparator;
    return text + SubFolderName(trackPath);
}

std::string WithoutSubFolder(std::string_view folderText, std::string_view trackPath)
{
    // The folder's last separator may be either of the system's.
    const std::string subFolder = SubFolderName(trackPath);
    std::string_view name = subFolder, text = folderText;
    if (EndsWithPathSeparator(name)) {
        if (!EndsWithPathSeparator(text)) return std::string(folderText);
        name.remove_suffix(1);
        text.remove_suffix(1);
    }
    if (!text.ends_with(name)) return std::string(folderText);
    text.remove_suffix(name.size());
    return std::string(text);
}

}  // namespace qm
