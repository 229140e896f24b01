#include "map/trip_file_rows.h"

#include "platform/path_text.h"
#include "stats/compute_statistics.h"
#include "track/distance.h"

namespace qm {

std::vector<TripFileRow> TripFileRows(const MapTrip& whole, const Settings& settings)
{
    const TrackPoints& points = whole.Track.Points;
    // The indices of each file's points, then one file's points at a time:
    // a trip of many points is not held twice.
    std::vector<std::vector<uint32_t>> ofFile(whole.Files.size());
    for (size_t i = 0; i < points.size(); ++i) {
        const size_t file = whole.PointFiles.empty() ? 0 : whole.PointFiles[i];
        if (file < ofFile.size()) ofFile[file].push_back(uint32_t(i));
    }
    std::vector<TripFileRow> rows;
    for (size_t f = 0; f < whole.Files.size(); ++f) {
        TripFileRow row;
        row.Path = whole.Files[f].Path;
        row.Name = PathNamePart(row.Path);
        if (!ofFile[f].empty()) {
            TrackPoints own;
            own.reserve(ofFile[f].size());
            for (uint32_t i : ofFile[f]) own.push_back(points[i]);
            std::vector<uint32_t>().swap(ofFile[f]);
            row.FirstTime = own.front().DateTime;
            const StatTable table = ComputeStatistics(own, FitLatitudeScale(own), settings);
            if (!table.empty()) row.Distance = table.front().Dist;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace qm
