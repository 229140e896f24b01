#include "commands/visualise.h"

#include "formats/trip_reader.h"
#include "formats/visualisation_files.h"
#include "platform/atomic_file_writer.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/message_text.h"
#include "platform/system_error_text.h"
#include "settings/line_width.h"

#include <cerrno>

namespace qm {

namespace {

// The message when an output would replace a file of the track: a trip
// named like its own outputs, or a link. Nothing when none would.
std::optional<std::string> TrackReplaced(const VisualisationFiles& files, const TrackFiles& track)
{
    for (const std::string& output : files.All()) {
        const std::optional<FileId> id = FileIdOf(output);
        if (!id) continue;
        for (const std::string& path : track.Paths)
            if (FileIdOf(path) == id) return MessageText(MessageId::OutputIsTrackFile, {output, path});
    }
    return std::nullopt;
}

// What refuses a visualisation into files before anything is read or
// written; nothing, or the message that refuses it.
std::optional<std::string> Refusal(const VisualisationFiles& files, const SpeedBands& bands, const Settings& settings)
{
    // An interval of 0 or less would never close a run, nor would one so
    // small that it is 0 once turned into days (5E-324 minutes).
    if (!(settings.TIMEINTRVL / 1440 > 0)) return MessageText(MessageId::IntervalNotPositive);
    return VisualisationClash(files, bands);
}

// Reads the track and computes its runs and stops, and its colouring by a
// measure other than speed; gives the .plt details the writers keep when the
// track came from a .plt.
std::optional<PltDetails> ReadAndCompute(const TrackFiles& track, const BandBoxes& boxes, const Settings& settings,
                                         ColourMeasure colourBy, MessageSink& sink, VisualiseResult& result)
{
    TripReading reading = LoadTrip(track.Paths);
    ShowTripMessages(reading, sink);
    if (!reading.Track) return std::nullopt;
    result.Track = std::move(*reading.Track);
    result.Files = std::move(reading.Files);
    result.PointFiles = std::move(reading.PointFiles);
    result.Visualisation = Visualise(result.Track.Points, boxes, settings);
    if (colourBy != ColourMeasure::Speed) {
        result.Colouring = ColourTrack(result.Track, colourBy, MeasureColourScale(colourBy, settings), settings);
        if (std::optional<std::string> message = ImplausibleValuesMessage(*result.Colouring))
            sink.ShowMessage(*message);
    }
    result.Computed = true;
    return std::move(reading.Plt);
}

}  // namespace

VisualiseResult ComputeVisualisation(const TrackFiles& track, const BandBoxes& boxes, const Settings& settings,
                                     MessageSink& sink, ColourMeasure colourBy)
{
    VisualiseResult result;
    const SpeedBands bands = MakeSpeedBands(boxes);
    if (auto refusal = Refusal(PlanVisualisationFiles(settings.OUTFORMAT, "", track.Name, bands), bands, settings)) {
        sink.ShowMessage(*refusal);
        return result;
    }
    ReadAndCompute(track, boxes, settings, colourBy, sink, result);
    return result;
}

VisualiseResult VisualiseTrack(const TrackFiles& track, const std::string& outputDir, const BandBoxes& boxes,
                               const Settings& settings, MessageSink& sink, ColourMeasure colourBy)
{
    VisualiseResult result;
    const SpeedBands bands = MakeSpeedBands(boxes);
    const VisualisationFiles files = PlanVisualisationFiles(settings.OUTFORMAT, outputDir, track.Name, bands, colourBy);
    if (auto refusal = Refusal(files, bands, settings); refusal || (refusal = TrackReplaced(files, track))) {
        sink.ShowMessage(*refusal);
        return result;
    }
    // An empty directory text names the current directory, as in OutputPath.
    if (!outputDir.empty() && !DirectoryExists(outputDir) && !CreateDir(outputDir)) {
        sink.ShowMessage(MessageText(MessageId::DirectoryNotCreated, {outputDir, SystemErrorText(errno)}));
        return result;
    }
    const std::optional<PltDetails> plt = ReadAndCompute(track, boxes, settings, colourBy, sink, result);
    if (!result.Computed) return result;
    try {
        WriteVisualisation(settings.OUTFORMAT, files, result.Track, plt, result.Visualisation, result.Colouring,
                           LineWidth(settings), result.FilesWritten);
        result.Processed = true;
    } catch (const Error& error) {
        result.Error = error;
    }
    // Once for all the files, those before a failure included.
    if (!result.FilesWritten.empty()) SyncDirectory(outputDir);
    return result;
}

}  // namespace qm
