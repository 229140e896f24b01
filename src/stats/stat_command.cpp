#include "stats/stat_command.h"

#include "platform/error.h"
#include "platform/message_sink.h"
#include "stats/compute_statistics.h"
#include "track/distance.h"
#include "track/plt_reader.h"

namespace qm {
namespace {

// Enables the controls again when the command ends without opening the window.
class ControlsGuard {
public:
    explicit ControlsGuard(CommandControls& controls) : controls_(controls) { controls_.ControlsEnabled(false); }
    ~ControlsGuard()
    {
        if (!handedOver_) controls_.ControlsEnabled(true);
    }
    ControlsGuard(const ControlsGuard&) = delete;
    ControlsGuard& operator=(const ControlsGuard&) = delete;
    void HandOver() { handedOver_ = true; }

private:
    CommandControls& controls_;
    bool handedOver_ = false;
};

}  // namespace

bool GetStatExecute(const std::string& trackPath, const Settings& settings, TStatRecArray& table,
                    StatisticsControls& controls, MessageSink& sink)
{
    ControlsGuard guard(controls);
    Track track;
    ScaleCoefficients scale;
    try {
        track = LoadTrack(trackPath, sink);
        if (track.PointCount == 0) {
            sink.ShowMessage("Нет данных для расчета.");
            return false;
        }
        scale = FitLatitudeScale(track.Points);
    } catch (const Error& error) {
        sink.ShowFileError(error);
        return false;
    }
    table = ComputeStatistics(track.Points, scale, settings);
    controls.ShowStatisticsWindow();
    guard.HandOver();
    return true;
}

}  // namespace qm
