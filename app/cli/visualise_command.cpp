#include "cli.h"

#include "commands/visualise.h"
#include "formats/visualisation_files.h"
#include "platform/message_text.h"
#include "platform/quoted_input.h"

#include <array>

namespace qm::cli {

// visualise TRACK... [--trip NAME] [--out DIR] [--format plt|gpx|kml] [--colour-by MEASURE]
// [--settings FILE] [--lang ru|en]
int VisualiseCommand(std::span<char*> args)
{
    static constexpr std::array<std::string_view, 6> kOptions = {"--out",  "--format", "--settings",
                                                                 "--lang", "--trip",   "--colour-by"};
    auto parsed = ParseArguments(args, kOptions);
    if (!parsed) return kUsage;
    if (parsed->positional.empty()) return UsageError("visualise needs a track");
    const std::optional<std::vector<TrackFiles>> tracks = CommandTracks(*parsed);
    if (!tracks) return kUsage;
    // Without --format, the settings' OUTFORMAT.
    const std::optional<std::string> formatText = parsed->Option("--format");
    const std::optional<OutputFormat> format = formatText ? ParseOutputFormat(*formatText) : std::nullopt;
    if (formatText && !format) return UsageError("--format takes plt, gpx or kml");
    const std::optional<std::string> measureText = parsed->Option("--colour-by");
    const std::optional<ColourMeasure> measure = ParseColourMeasure(measureText.value_or("speed"));
    if (!measure)
        return UsageError("--colour-by takes speed, height, grade, heart-rate, cadence, power or temperature");

    Settings settings;
    FilesSettings files;
    if (!LoadCliSettings(parsed->Option("--settings").value_or(""), true, parsed->Option("--lang"), settings, files))
        return kFailure;
    if (format) settings.OUTFORMAT = *format;
    if (*measure != ColourMeasure::Speed && settings.OUTFORMAT == OutputFormat::Plt)
        return UsageError("--colour-by " + std::string(ColourMeasureName(*measure)) +
                          " writes GPX or KML: give --format gpx or kml (the .plt band files are coloured by speed)");

    const std::string outputDir = parsed->Option("--out").value_or(".");
    const BandBoxes boxes = ScaleBandBoxes(settings.CurrentScale());
    BatchOutputs outputs;
    for (const TrackFiles& track : *tracks)
        outputs.push_back(
            PlanVisualisationFiles(settings.OUTFORMAT, outputDir, track.Name, MakeSpeedBands(boxes), *measure).All());
    if (!CheckBatch(*tracks, outputs)) return kFailure;

    // Messages go to standard error, the end of each track's run to
    // standard output.
    FileMessageSink sink;
    bool allProcessed = true;
    for (const TrackFiles& track : *tracks) {
        sink.path = track.Paths.size() == 1 ? track.Name : "";
        if (!TrackIsNoDirectory(track)) {
            allProcessed = false;
            continue;
        }
        const VisualiseResult result = VisualiseTrack(track, outputDir, boxes, settings, sink, *measure);
        if (result.Error) sink.ShowFileError(*result.Error);
        if (result.Processed) PrintOut(EscapedText(track.Name) + ": " + MessageText(MessageId::TrackProcessed) + "\n");
        allProcessed = result.Processed && allProcessed;
    }
    return allProcessed ? kSuccess : kFailure;
}

}  // namespace qm::cli
