#include "settings/dropped_tracks.h"

#include "platform/file_system.h"

namespace qm {

DroppedTracks TracksOfDrop(const std::vector<std::string>& urls, PathStyle style)
{
    DroppedTracks dropped;
    for (const std::string& url : urls)
        if (std::optional<std::string> path = LocalPathOfUrl(url, style)) dropped.Paths.push_back(std::move(*path));
    if (dropped.Paths.empty()) {
        dropped.Refusal = DropRefusal::NothingLocal;
        return dropped;
    }
    for (const std::string& path : dropped.Paths) {
        if (!DirectoryExists(path)) continue;
        dropped.Paths = {path};
        dropped.Refusal = DropRefusal::Folder;
        break;
    }
    return dropped;
}

}  // namespace qm
