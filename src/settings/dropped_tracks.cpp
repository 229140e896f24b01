#include "settings/dropped_tracks.h"

#include "platform/file_system.h"

namespace qm {

DroppedTracks TracksOfDrop(const std::vector<std::string>& urls, PathStyle style)
{
    DroppedTracks dropped;
    for (const std::string& url : urls)
        if (std::optional<std::string> path = LocalPathOfUrl(url, style)) dropped.Paths.push_back(std::move(*path));
    if (dropped.Paths.empty())
        dropped.Refusal = DropRefusal::NothingLocal;
    else if (dropped.Paths.size() > 1)
        dropped.Refusal = DropRefusal::SeveralFiles;
    else if (DirectoryExists(dropped.Paths.front()))
        dropped.Refusal = DropRefusal::Folder;
    return dropped;
}

}  // namespace qm
