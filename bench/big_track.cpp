#include "big_track.h"

#include "platform/atomic_file_writer.h"
#include "platform/date_time_text.h"
#include "platform/file_system.h"
#include "platform/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace qm::bench {
namespace {

class Random {
public:
    double Next()  // uniform in [0, 1)
    {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(state_ >> 11) / 9007199254740992.0;
    }

private:
    uint64_t state_ = 20260101;
};

std::string Fixed(double value, int decimals)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

}  // namespace

void WriteBigTrack(const std::string& path, int points)
{
    constexpr double kStep = 5.0 / 86400;  // days between points
    constexpr double kKmPerDegree = 111;
    const double speeds[] = {0, 5, 17, 70};  // stop, walk, cycle, drive (km/h)

    Random random;
    std::string text = "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\n"
                       "Reserved 3\r\n0,2,255,Benchmark track,0,0,2,8421376\r\n" +
                       IntToText(points) + "\r\n";
    text.reserve(text.size() + static_cast<size_t>(points) * 72);

    double lat = 55.75, lon = 37.6, feet = 500, time = 44000.25, heading = 0;
    int mode = 1, legLeft = 0;
    DateAndTimeWriter dates;
    for (int i = 0; i < points; ++i) {
        int breakCode = i == 0 ? 1 : 0;
        if (legLeft-- <= 0) {
            mode = static_cast<int>(random.Next() * 4);
            legLeft = 60 + static_cast<int>(random.Next() * 700);
            if (random.Next() < 0.02) {  // the receiver was off for a while
                breakCode = 1;
                time += (10 + random.Next() * 50) / 1440;
            }
        }
        if (i > 0 && i % 8000 == 0) time += 10.0 / 24;  // the night
        heading += (random.Next() - 0.5) * 0.3;
        double km = speeds[mode] * kStep * 24;
        lat += km * std::cos(heading) / kKmPerDegree + (random.Next() - 0.5) * 0.00003;
        lon += km * std::sin(heading) / kKmPerDegree / 0.56 + (random.Next() - 0.5) * 0.00005;
        feet += (random.Next() - 0.5) * 6 + std::sin(i / 900.0) * 1.5;
        time += kStep * (0.9 + random.Next() * 0.2);

        char dateAndTime[2 * DateAndTimeWriter::kMaxPartText + 1];
        text += Fixed(lat, 6) + "," + Fixed(lon, 6) + "," + IntToText(breakCode) + "," + Fixed(feet, 1) + "," +
                Fixed(time, 7) + "," + std::string(dateAndTime, dates.Write(dateAndTime, time, ',')) + "\r\n";
    }
    WriteFileAtomically(path, text);
}

}  // namespace qm::bench
