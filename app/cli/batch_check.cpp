#include "cli.h"

#include "platform/file_system.h"
#include "platform/message_text.h"

#include <map>

namespace qm::cli {

bool CheckBatch(const std::vector<TrackFiles>& tracks, const BatchOutputs& outputs)
{
    // Links and other spellings of a track are caught by the file's identity.
    std::map<FileId, std::string> trackIds;
    for (const TrackFiles& track : tracks)
        for (const std::string& path : track.Paths)
            if (auto id = FileIdOf(path)) trackIds.emplace(*id, path);

    bool clear = true;
    std::map<std::string, size_t> writers;  // the outputs share one directory, so names compare
    for (size_t t = 0; t < outputs.size(); ++t) {
        for (const std::string& output : outputs[t]) {
            auto id = FileIdOf(output);
            auto track = id ? trackIds.find(*id) : trackIds.end();
            if (track != trackIds.end()) {
                PrintFileMessage(track->second, MessageText(MessageId::TrackWouldBeReplaced, {output, tracks[t].Name}));
                clear = false;
            }
            auto [writer, added] = writers.emplace(output, t);
            if (!added && writer->second != t) {
                PrintFileMessage(output, MessageText(MessageId::WrittenForTwoTracks,
                                                     {tracks[writer->second].Name, tracks[t].Name}));
                clear = false;
            }
        }
    }
    return clear;
}

}  // namespace qm::cli
