#include "cli.h"

#include "platform/command_controls.h"
#include "visual/proc_files.h"

#include <array>
#include <iostream>

namespace qm::cli {
namespace {

// The end of a command goes to standard output; everything else the desktop
// program would show in a box goes to standard error.
class VisualiseSink : public StderrSink {
public:
    void ShowMessage(const std::string& text) override
    {
        if (text == kTrackProcessed)
            std::cout << text << '\n';
        else
            StderrSink::ShowMessage(text);
    }
};

// A command-line run has no window to lock.
class NoControls : public CommandControls {
public:
    void ControlsEnabled(bool) override {}
};

}  // namespace

// visualise TRACK... [--out DIR] [--settings FILE]
int VisualiseCommand(std::span<char*> args)
{
    static constexpr std::array<std::string_view, 2> kOptions = {"--out", "--settings"};
    auto parsed = ParseArguments(args, kOptions);
    if (!parsed) return kUsage;
    if (parsed->positional.empty()) return UsageError("visualise needs a track");

    VisualiseSink sink;
    Settings settings;
    PlainFilesState files;
    if (!LoadCliSettings(parsed->Option("--settings").value_or(""), true, settings, files, sink)) return kFailure;

    const std::string outputDir = parsed->Option("--out").value_or(".");
    const BandBoxes boxes = ScaleBandBoxes(settings.CurrentScale());
    NoControls controls;
    bool allProcessed = true;
    for (const std::string& track : parsed->positional)
        allProcessed = ProcFilesExecute(track, outputDir, boxes, settings, controls, sink) && allProcessed;
    std::cout << std::flush;
    return allProcessed && std::cout ? kSuccess : kFailure;
}

}  // namespace qm::cli
