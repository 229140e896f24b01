#include "cli.h"

#include "platform/command_controls.h"
#include "platform/path_text.h"
#include "visual/band_files.h"
#include "visual/proc_files.h"
#include "visual/stop_file.h"

#include <array>

namespace qm::cli {
namespace {

// The end of a command goes to standard output; everything else the desktop
// program would show in a box goes to standard error.
class VisualiseSink : public FileMessageSink {
public:
    void ShowMessage(const std::string& text) override
    {
        if (text == kTrackProcessed)
            PrintOut(text + "\n");
        else
            FileMessageSink::ShowMessage(text);
    }
};

// A command-line run has no window to lock.
class NoControls : public CommandControls {
public:
    void ControlsEnabled(bool) override {}
};

// Every file a track could give: one per band, whichever bands receive
// steps, and the stop file.
std::vector<std::string> TrackOutputs(const std::string& outputDir, const std::string& track, const WorkBands& bands)
{
    std::vector<std::string> outputs;
    for (const WorkBand& band : bands) outputs.push_back(OutputPath(outputDir, track, BandFileSuffix(band)));
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
    PlainFilesState files;
    if (!LoadCliSettings(parsed->Option("--settings").value_or(""), true, settings, files)) return kFailure;

    const std::string outputDir = parsed->Option("--out").value_or(".");
    const BandBoxes boxes = ScaleBandBoxes(settings.CurrentScale());
    const std::vector<std::string>& tracks = parsed->positional;
    BatchOutputs outputs;
    for (const std::string& track : tracks) outputs.push_back(TrackOutputs(outputDir, track, MakeWorkBands(boxes)));
    if (!CheckBatch(tracks, outputs)) return kFailure;

    VisualiseSink sink;
    NoControls controls;
    bool allProcessed = true;
    for (const std::string& track : tracks) {
        sink.path = track;
        allProcessed = TrackIsNoDirectory(track) && ProcFilesExecute(track, outputDir, boxes, settings, controls, sink) &&
                       allProcessed;
    }
    return allProcessed ? kSuccess : kFailure;
}

}  // namespace qm::cli
