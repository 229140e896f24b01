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
    // More than one local file: a track is one file.
    SeveralFiles,
    // The one local file is a folder.
    Folder,
};

// What a drop on the windows gives: the local files it names, in its order,
// and whether they make a track.
struct DroppedTracks {
    std::vector<std::string> Paths;
    DropRefusal Refusal = DropRefusal::None;
};

// The track of a drop of the URLs given: the one local file among them (URLs
// that name no local file beside it are passed over), refused when none is,
// when there are several, or when it is a folder, as the command line refuses
// one.
DroppedTracks TracksOfDrop(const std::vector<std::string>& urls, PathStyle style = kSystemPathStyle);

}  // namespace qm
