#include "commands/track_files.h"

#include "formats/trip_reader.h"
#include "platform/file_system.h"
#include "settings/track_list_text.h"

namespace qm {

TrackFiles TrackFilesOfText(std::string_view text) { return TrackFilesOf(TrackListOfText(text, FileExists)); }

TrackFiles TrackFilesOf(std::vector<std::string> paths)
{
    if (paths.size() == 1) return TrackFiles(paths.front());
    std::string name = TripName(paths.front());
    return TrackFiles(std::move(paths), std::move(name));
}

}  // namespace qm
