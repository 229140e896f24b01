#include "commands/statistics.h"

#include "formats/trip_reader.h"
#include "platform/message_text.h"
#include "stats/compute_statistics.h"
#include "track/distance.h"

namespace qm {
namespace {

std::optional<Track> ReadTrack(const TrackFiles& track, MessageSink& sink)
{
    TripReading reading = LoadTrip(track.Paths);
    ShowTripMessages(reading, sink);
    // The reader's own message says why; one box is enough.
    if (!reading.Track && reading.Refusal.empty()) sink.ShowMessage(MessageText(MessageId::NoDataToCompute));
    return std::move(reading.Track);
}

StatTable Statistics(const TrackPoints& points, const Settings& settings)
{
    return ComputeStatistics(points, FitLatitudeScale(points), settings);
}

}  // namespace

std::optional<StatTable> TrackStatistics(const TrackFiles& track, const Settings& settings, MessageSink& sink)
{
    const std::optional<Track> read = ReadTrack(track, sink);
    if (!read) return std::nullopt;
    return Statistics(read->Points, settings);
}

std::optional<MeasuredStatistics> TrackStatisticsAndMeasures(const TrackFiles& track, const Settings& settings,
                                                             MessageSink& sink)
{
    const std::optional<Track> read = ReadTrack(track, sink);
    if (!read) return std::nullopt;
    StatTable table = Statistics(read->Points, settings);
    MeasureSummary measures = SummariseMeasures(*read, table);
    return MeasuredStatistics{std::move(table), std::move(measures)};
}

}  // namespace qm
