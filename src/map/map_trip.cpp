#include "map/map_trip.h"

#include "commands/visualise.h"
#include "visual/visualisation.h"
#include "map/track_lines.h"
#include "stats/compute_statistics.h"
#include "track/distance.h"

#include <algorithm>

namespace qm {
namespace {

bool IsHidden(const std::vector<bool>& hidden, size_t file) { return file < hidden.size() && hidden[file]; }

}  // namespace

size_t HiddenFileCount(const MapTrip& trip)
{
    return size_t(std::count(trip.HiddenFiles.begin(), trip.HiddenFiles.end(), true));
}

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
    const std::vector<ColourMeasure> offered = ColourMeasuresOf(trip->Track);
    const bool has = std::find(offered.begin(), offered.end(), settings.COLOURBY) != offered.end();
    trip->Colouring = ColourTrip(trip->Track, trip->Visualisation, trip->Scale, trip->Parts,
                                 has ? settings.COLOURBY : ColourMeasure::Speed, settings);
    return trip;
}

std::shared_ptr<const MapTrip> LoadMapTrip(const TrackFiles& track, const BandBoxes& boxes,
                                           const Settings& settings, MessageSink& sink)
{
    VisualiseResult result = ComputeVisualisation(track, boxes, settings, sink);
    if (result.Error) sink.ShowFileError(*result.Error);
    if (!result.Computed || result.Track.Points.empty()) return nullptr;
    std::shared_ptr<MapTrip> trip = MakeMapTrip(std::move(result.Track), std::move(result.Visualisation), settings);
    trip->Files = std::move(result.Files);
    trip->PointFiles = std::move(result.PointFiles);
    return trip;
}

std::shared_ptr<const MapTrip> MapTripWithoutFiles(const MapTrip& whole, const std::vector<bool>& hidden,
                                                   const BandBoxes& boxes, const Settings& settings)
{
    const TrackPoints& points = whole.Track.Points;
    const PointSources& files = whole.PointFiles;
    Track track;
    PointSources kept;
    for (size_t k = 0; k < kMeasureCount; ++k)
        if (!whole.Track.Measures[k].empty()) track.Measures[k].reserve(points.size());
    bool leftOut = false;
    for (size_t i = 0; i < points.size(); ++i) {
        const uint32_t file = files.empty() ? 0 : files[i];
        if (IsHidden(hidden, file)) {
            leftOut = true;
            continue;
        }
        track.Points.push_back(points[i]);
        // Nothing is drawn, measured or counted across what was left out.
        if (leftOut) track.Points.back().StartsPiece = true;
        leftOut = false;
        if (!files.empty()) kept.push_back(file);
        for (size_t k = 0; k < kMeasureCount; ++k)
            if (!whole.Track.Measures[k].empty()) track.Measures[k].push_back(whole.Track.Measures[k][i]);
    }
    if (track.Points.empty()) return nullptr;
    Visualisation visualisation = Visualise(track.Points, boxes, settings);
    std::shared_ptr<MapTrip> trip = MakeMapTrip(std::move(track), std::move(visualisation), settings);
    trip->Files = whole.Files;
    trip->PointFiles = std::move(kept);
    trip->HiddenFiles = hidden;
    trip->HiddenFiles.resize(std::max<size_t>(whole.Files.size(), 1), false);
    return trip;
}

std::shared_ptr<const MapTrip> MapTripColouredBy(const MapTrip& trip, ColourMeasure measure,
                                                 const Settings& settings)
{
    auto coloured = std::make_shared<MapTrip>(trip);
    coloured->Colouring =
        ColourTrip(trip.Track, trip.Visualisation, trip.Scale, trip.Parts, measure, settings);
    return coloured;
}

std::vector<bool> ChangeableFiles(const MapTrip& whole, const std::vector<bool>& hidden)
{
    std::vector<bool> changeable(whole.Files.size(), true);
    size_t shownWithPoints = 0, last = 0;
    for (size_t f = 0; f < whole.Files.size(); ++f) {
        if (IsHidden(hidden, f) || whole.Files[f].PointsKept == 0) continue;
        ++shownWithPoints;
        last = f;
    }
    if (shownWithPoints == 1) changeable[last] = false;
    return changeable;
}

}  // namespace qm
