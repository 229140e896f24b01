#pragma once

#include "platform/file_url.h"

#include <string>
#include <vector>

namespace qm {

// Why a drop gives no track.
enum class DropRefusal {
    None,
    // No URL names a file on this computer (web addresses, text, nothing).
    NothingLocal,
    // A local file is a folder (the one path given).
    Folder,
};

// What a drop on the windows gives: the local files it names, in its order
// (several being the files of a trip), and whether they make a track.
struct DroppedTracks {
    std::vector<std::string> Paths;
    DropRefusal Refusal = DropRefusal::None;
};

// The track of a drop of the URLs given: the local files among them (URLs
// that name no local file beside them are passed over), refused when there
// is none, or when one is a folder, as the command line refuses one.
DroppedTracks TracksOfDrop(const std::vector<std::string>& urls, PathStyle style = kSystemPathStyle);

}  // namespace qm
