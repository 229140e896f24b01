#pragma once

#include "commands/visualise.h"

#include <string>

namespace qm::test {

// The visualisation with the current scale's bands as a front end runs it:
// the error that ended it, or the success, shown after the command's own
// messages. True when the track was processed.
inline bool VisualiseAndShow(const std::string& track, const std::string& outputDir, const Settings& settings,
                             MessageSink& sink)
{
    VisualiseResult result = VisualiseTrack(track, outputDir, ScaleBandBoxes(settings.CurrentScale()), settings, sink);
    if (result.Error) sink.ShowFileError(*result.Error);
    if (result.Processed) sink.ShowMessage(MessageText(MessageId::TrackProcessed));
    return result.Processed;
}

}  // namespace qm::test
