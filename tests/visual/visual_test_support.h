#pragma once

#include "support/test_support.h"
#include "track/track.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace qm::test {

inline std::set<std::string> FileNames(const std::string& directory)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.insert(test::Utf8(entry.path().filename()));
    return names;
}

// One minute of a walk along a meridian: its speed and the break code of the
// point it ends at.
struct WalkStep {
    double speed;  // km/h
    int breakCode = 0;
};

// A track that starts at 50 degrees north at day 40000 and goes north by
// the steps (111 km per degree), all at one height.
inline TrackPoints Walk(const std::vector<WalkStep>& steps, int32_t feet = 100)
{
    TrackPoints points{TrackPoint{50, 30, 40000, feet * 0.3048, true}};
    for (const WalkStep& step : steps) {
        TrackPoint next = points.back();
        next.Latitude += step.speed / 60 / 111;
        next.DateTime += 1.0 / 1440;
        next.StartsPiece = step.breakCode != 0;
        points.push_back(next);
    }
    return points;
}

}  // namespace qm::test
