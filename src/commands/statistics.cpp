#include "commands/statistics.h"

#include "formats/trip_reader.h"
#include "platform/message_text.h"
#include "stats/compute_statistics.h"
#include "track/distance.h"

namespace qm {

std::optional<StatTable> TrackStatistics(const TrackFiles& track, const Settings& settings, MessageSink& sink)
{
    TripReading reading = LoadTrip(track.Paths);
    ShowTripMessages(reading, sink);
    if (!reading.Track) {
        // The reader's own message says why; one box is enough.
        if (reading.Refusal.empty()) sink.ShowMessage(MessageText(MessageId::NoDataToCompute));
        return std::nullopt;
    }
    const TrackPoints& points = reading.Track->Points;
    return ComputeStatistics(points, FitLatitudeScale(points), settings);
}

}  // namespace qm
