#include "cli.h"

#include "commands/visualise.h"

#include <array>
#include <iostream>

namespace qm::cli {

// visualise TRACK... [--out DIR] [--format plt|gpx|kml] [--settings FILE]
int VisualiseCommand(std::span<char*> args)
{
    static constexpr std::array<std::string_view, 3> kOptions = {"--out", "--format", "--settings"};
    auto parsed = ParseArguments(args, kOptions);
    if (!parsed) return kUsage;
    if (parsed->positional.empty()) return UsageError("visualise needs a track");
    // Without --format, the settings' OUTFORMAT.
    const std::optional<std::string> formatText = parsed->Option("--format");
    const std::optional<OutputFormat> format = formatText ? ParseOutputFormat(*formatText) : std::nullopt;
    if (formatText && !format) return UsageError("--format takes plt, gpx or kml");

    StderrSink sink;
    Settings settings;
    FilesSettings files;
    if (!LoadCliSettings(parsed->Option("--settings").value_or(""), true, settings, files, sink)) return kFailure;
    if (format) settings.OUTFORMAT = *format;

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
