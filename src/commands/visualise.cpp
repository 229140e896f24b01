#include "commands/visualise.h"

#include "formats/track_reader.h"
#include "formats/visualisation_files.h"
#include "platform/atomic_file_writer.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "settings/line_width.h"

namespace qm {

namespace {

// What refuses a visualisation before anything is read or written.
bool Refused(const std::string& trackPath, const BandBoxes& boxes, const Settings& settings, MessageSink& sink)
{
    // An interval of 0 or less would never close a run, nor would one so
    // small that it is 0 once turned into days (5E-324 minutes).
    if (!(settings.TIMEINTRVL / 1440 > 0)) {
        sink.ShowMessage("Интервал расчета должен быть больше 0.");
        return true;
    }
    if (auto clash = VisualisationClash(settings.OUTFORMAT, MakeSpeedBands(boxes), trackPath)) {
        sink.ShowMessage(*clash);
        return true;
    }
    return false;
}

void ReadAndCompute(const std::string& trackPath, const BandBoxes& boxes, const Settings& settings,
                    MessageSink& sink, VisualiseResult& result)
{
    TrackReading reading = LoadTrack(trackPath);
    for (const Message& message : reading.Messages) {
        if (message.IsError)
            result.Error = Error(message.Text, message.Line);
        else
            sink.ShowMessage(message.Text);
    }
    if (!reading.Track) return;
    result.Track = std::move(*reading.Track);
    result.Visualisation = Visualise(result.Track.Points, boxes, settings);
    result.Computed = true;
}

}  // namespace

VisualiseResult ComputeVisualisation(const std::string& trackPath, const BandBoxes& boxes, const Settings& settings,
                                     MessageSink& sink)
{
    VisualiseResult result;
    if (!Refused(trackPath, boxes, settings, sink)) ReadAndCompute(trackPath, boxes, settings, sink, result);
    return result;
}

VisualiseResult VisualiseTrack(const std::string& trackPath, const std::string& outputDir, const BandBoxes& boxes,
                               const Settings& settings, MessageSink& sink)
{
    VisualiseResult result;
    if (Refused(trackPath, boxes, settings, sink)) return result;
    // An empty directory text names the current directory, as in OutputPath.
    if (!outputDir.empty() && !DirectoryExists(outputDir) && !CreateDir(outputDir)) {
        sink.ShowMessage("Не удается создать директорию " + outputDir + "!");
        return result;
    }
    ReadAndCompute(trackPath, boxes, settings, sink, result);
    if (!result.Computed) return result;
    try {
        WriteVisualisation(settings.OUTFORMAT, outputDir, trackPath, result.Track, result.Visualisation,
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
