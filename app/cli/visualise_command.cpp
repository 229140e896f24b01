#include "cli.h"

#include "commands/visualise.h"

#include <array>
#include <iostream>

namespace qm::cli {

// visualise TRACK... [--out DIR] [--settings FILE]
int VisualiseCommand(std::span<char*> args)
{
    static constexpr std::array<std::string_view, 2> kOptions = {"--out", "--settings"};
    auto parsed = ParseArguments(args, kOptions);
    if (!parsed) return kUsage;
    if (parsed->positional.empty()) return UsageError("visualise needs a track");

    StderrSink sink;
    Settings settings;
    FilesSettings files;
    if (!LoadCliSettings(parsed->Option("--settings").value_or(""), true, settings, files, sink)) return kFailure;

    const std::string outputDir = parsed->Option("--out").value_or(".");
    const BandBoxes boxes = ScaleBandBoxes(settings.CurrentScale());
    bool allProcessed = true;
    for (const std::string& track : parsed->positional) {
        VisualiseResult result = VisualiseTrack(track, outputDir, boxes, settings, sink);
        if (result.Error) sink.ShowError(*result.Error);
        if (result.Processed) std::cout << kTrackProcessed << '\n';
        allProcessed = result.Processed && allProcessed;
    }
    std::cout << std::flush;
    return allProcessed && std::cout ? kSuccess : kFailure;
}

}  // namespace qm::cli
