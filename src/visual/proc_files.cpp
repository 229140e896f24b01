#include "visual/proc_files.h"

#include "platform/error.h"
#include "platform/file_system.h"
#include "track/distance.h"
#include "track/plt_reader.h"
#include "visual/band_files.h"
#include "visual/scale_clash.h"
#include "visual/segmentation.h"
#include "visual/stop_detector.h"
#include "visual/stop_file.h"

namespace qm {
namespace {

class ControlsDisabled {
public:
    explicit ControlsDisabled(CommandControls& controls) : controls_(controls) { controls_.ControlsEnabled(false); }
    ~ControlsDisabled() { controls_.ControlsEnabled(true); }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

private:
    CommandControls& controls_;
};

// Steps 2 to 9 of the command; false when it ended early (the user has been told why).
bool Visualise(const std::string& trackPath, const std::string& outputDir, const BandBoxes& boxes,
               const Settings& settings, MessageSink& sink)
{
    WorkBands bands = MakeWorkBands(boxes);
    // An empty directory text names the current directory, as in OutputPath.
    if (!outputDir.empty() && !DirectoryExists(outputDir) && !CreateDir(outputDir)) {
        sink.ShowMessage("Не удается создать директорию " + outputDir + "!");
        return false;
    }
    Track track = LoadTrack(trackPath, sink);
    if (track.PointCount <= 0) return false;

    double interval = settings.TIMEINTRVL / 1440;
    ScaleCoefficients scale = FitLatitudeScale(track.Points);
    StopDetector stops(track.Points, settings);
    std::vector<SpeedRun> runs = SegmentTrack(track.Points, scale, interval, bands, stops);

    WriteBandFiles(outputDir, trackPath, track, runs, bands, settings.TRACKWIDTH);
    WriteStopFile(outputDir, trackPath, track.Header[1], track.Points, stops.Stops());
    return true;
}

}  // namespace

bool ProcFilesExecute(const std::string& trackPath, const std::string& outputDir, const BandBoxes& boxes,
                      const Settings& settings, CommandControls& controls, MessageSink& sink)
{
    // An interval of 0 or less would never close a run, nor would one so
    // small that it is 0 once turned into days (5E-324 minutes).
    if (!(settings.TIMEINTRVL / 1440 > 0)) {
        sink.ShowMessage("Интервал расчета должен быть больше 0.");
        return false;
    }
    if (auto clash = ScaleClashMessage(MakeWorkBands(boxes), trackPath)) {
        sink.ShowMessage(*clash);
        return false;
    }
    bool processed = false;
    try {
        ControlsDisabled busy(controls);
        processed = Visualise(trackPath, outputDir, boxes, settings, sink);
    } catch (const Error& error) {
        // The controls are enabled again before the error is shown.
        sink.ShowFileError(error);
        return false;
    }
    if (processed) sink.ShowMessage(std::string(kTrackProcessed));
    return processed;
}

}  // namespace qm
