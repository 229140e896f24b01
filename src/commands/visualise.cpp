#include "commands/visualise.h"

#include "formats/track_reader.h"
#include "formats/visualisation_files.h"
#include "platform/atomic_file_writer.h"
#include "platform/error.h"
#include "platform/file_system.h"

namespace qm {

VisualiseResult VisualiseTrack(const std::string& trackPath, const std::string& outputDir, const BandBoxes& boxes,
                               const Settings& settings, MessageSink& sink)
{
    VisualiseResult result;
    // An interval of 0 or less would never close a run, nor would one so
    // small that it is 0 once turned into days (5E-324 minutes).
    if (!(settings.TIMEINTRVL / 1440 > 0)) {
        sink.ShowMessage("Интервал расчета должен быть больше 0.");
        return result;
    }
    const SpeedBands bands = MakeSpeedBands(boxes);
    const VisualisationFiles files = PlanVisualisationFiles(settings.OUTFORMAT, outputDir, trackPath, bands);
    if (auto clash = VisualisationClash(files, bands)) {
        sink.ShowMessage(*clash);
        return result;
    }
    // An empty directory text names the current directory, as in OutputPath.
    if (!outputDir.empty() && !DirectoryExists(outputDir) && !CreateDir(outputDir)) {
        sink.ShowMessage("Не удается создать директорию " + outputDir + "!");
        return result;
    }
    TrackReading reading = LoadTrack(trackPath);
    for (const Message& message : reading.Messages) sink.Show(message);
    if (!reading.Track) return result;

    result.Track = std::move(*reading.Track);
    result.Visualisation = Visualise(result.Track.Points, boxes, settings);
    try {
        WriteVisualisation(settings.OUTFORMAT, files, result.Track, reading.Plt, result.Visualisation,
                           settings.TRACKWIDTH, result.FilesWritten);
        result.Processed = true;
    } catch (const Error& error) {
        result.Error = error;
    }
    // Once for all the files, those before a failure included.
    if (!result.FilesWritten.empty()) SyncDirectory(outputDir);
    return result;
}

}  // namespace qm
