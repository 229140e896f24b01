#include "map/map_trip.h"

#include "commands/visualise.h"
#include "map/track_lines.h"
#include "stats/compute_statistics.h"
#include "track/distance.h"

namespace qm {

std::shared_ptr<MapTrip> MakeMapTrip(Track track, Visualisation visualisation, const Settings& settings)
{
    auto trip = std::make_shared<MapTrip>();
    trip->Track = std::move(track);
    trip->Visualisation = std::move(visualisation);
    const TrackPoints& points = trip->Track.Points;
    trip->Scale = FitLatitudeScale(points);
    const StatTable table = ComputeStatistics(points, trip->Scale, settings);
    trip->Parts = TrackParts(table);
    trip->Totals = SumTrip(points, trip->Scale, trip->Visualisation.Runs, table);
    trip->World = ProjectTrack(points);
    trip->Breaks = BreakPoints(points);
    return trip;
}

std::shared_ptr<const MapTrip> LoadMapTrip(const TrackFiles& track, const BandBoxes& boxes,
                                           const Settings& settings, MessageSink& sink)
{
    VisualiseResult result = ComputeVisualisation(track, boxes, settings, sink);
    if (result.Error) sink.ShowFileError(*result.Error);
    if (!result.Computed || result.Track.Points.empty()) return nullptr;
    std::shared_ptr<MapTrip> trip = MakeMapTrip(std::move(result.Track), std::move(result.Visualisation), settings);
    trip->Warnings = std::move(result.Warnings);
    trip->Files = std::move(result.Files);
    trip->PointFiles = std::move(result.PointFiles);
    return trip;
}

}  // namespace qm
