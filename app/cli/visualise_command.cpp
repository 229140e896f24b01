#include "cli.h"

#include "commands/visualise.h"
#include "formats/ozi/plt_writer.h"
#include "formats/ozi/wpt_writer.h"
#include "platform/path_text.h"

#include <array>

namespace qm::cli {
namespace {

// Every file a track could give: one per band, whichever bands receive
// steps, and the stop file.
std::vector<std::string> TrackOutputs(const std::string& outputDir, const std::string& track, const SpeedBands& bands)
{
    std::vector<std::string> outputs;
    for (const SpeedBand& band : bands) outputs.push_back(OutputPath(outputDir, track, BandFileSuffix(band)));
    outputs.push_back(OutputPath(outputDir, track, kStopFileSuffix));
    return outputs;
}

}  // namespace

// visualise TRACK... [--out DIR] [--settings FILE]
int VisualiseCommand(std::span<char*> args)
{
    static constexpr std::array<std::string_view, 2> kOptions = {"--out", "--settings"};
    auto parsed = ParseArguments(args, kOptions);
    if (!parsed) return kUsage;
    if (parsed->positional.empty()) return UsageError("visualise needs a track");

    Settings settings;
    FilesSettings files;
    if (!LoadCliSettings(parsed->Option("--settings").value_or(""), true, settings, files)) return kFailure;

    const std::string outputDir = parsed->Option("--out").value_or(".");
    const BandBoxes boxes = ScaleBandBoxes(settings.CurrentScale());
    const std::vector<std::string>& tracks = parsed->positional;
    BatchOutputs outputs;
    for (const std::string& track : tracks) outputs.push_back(TrackOutputs(outputDir, track, MakeSpeedBands(boxes)));
    if (!CheckBatch(tracks, outputs)) return kFailure;

    // Messages go to standard error, the end of each track's run to
    // standard output.
    FileMessageSink sink;
    bool allProcessed = true;
    for (const std::string& track : tracks) {
        sink.path = track;
        if (!TrackIsNoDirectory(track)) {
            allProcessed = false;
            continue;
        }
        const VisualiseResult result = VisualiseTrack(track, outputDir, boxes, settings, sink);
        if (result.Error) sink.ShowFileError(*result.Error);
        if (result.Processed) PrintOut(std::string(kTrackProcessed) + "\n");
        allProcessed = result.Processed && allProcessed;
    }
    return allProcessed ? kSuccess : kFailure;
}

}  // namespace qm::cli
