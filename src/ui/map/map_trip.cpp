#include "ui/map/map_trip.h"

#include "formats/track_reader.h"
#include "map/track_lines.h"

namespace qm {

std::shared_ptr<const MapTrip> MakeMapTrip(Track track, const BandBoxes& boxes, const Settings& settings)
{
    auto trip = std::make_shared<MapTrip>();
    trip->Track = std::move(track);
    trip->Visualisation = Visualise(trip->Track.Points, boxes, settings);
    trip->World = ProjectTrack(trip->Track.Points);
    trip->Breaks = BreakPoints(trip->Track.Points);
    return trip;
}

MapTripReading LoadMapTrip(const std::string& trackPath, const BandBoxes& boxes, const Settings& settings)
{
    MapTripReading result;
    if (!(settings.TIMEINTRVL / 1440 > 0)) {
        result.Messages.push_back({false, "Интервал расчета должен быть больше 0."});
        return result;
    }
    TrackReading reading = LoadTrack(trackPath);
    result.Messages = reading.Messages;
    if (reading.Track) result.Trip = MakeMapTrip(std::move(*reading.Track), boxes, settings);
    return result;
}

}  // namespace qm
