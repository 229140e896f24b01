#include "track_as.h"

#include "formats/fit/fit_crc.h"

#include <cmath>
#include <cstdint>

namespace qm::bench {
namespace {

// Little-endian, as most devices write.
void Put(std::string& bytes, uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string TrackAsFit(const Track& track)
{
    std::string data;
    // Local type 0: record; local type 1: event.
    data += {0x40, 0, 0};
    Put(data, 20, 2);
    data += {4, char(253), 4, char(0x86), 0, 4, char(0x85), 1, 4, char(0x85), 78, 4, char(0x86)};
    data += {0x41, 0, 0};
    Put(data, 21, 2);
    data += {3, char(253), 4, char(0x86), 0, 1, 0, 1, 1, 0};
    constexpr double kEpochDays = 32873;  // 1989-12-31
    for (const TrackPoint& point : track.Points) {
        const auto seconds = static_cast<uint32_t>(std::llround((point.DateTime - kEpochDays) * 86400));
        if (point.StartsPiece) {
            data += char(0x01);
            Put(data, seconds, 4);
            data += {0, 0};  // timer, start
        }
        data += char(0x00);
        Put(data, seconds, 4);
        Put(data, static_cast<uint32_t>(static_cast<int32_t>(std::lround(point.Latitude / 180 * 2147483648.0))), 4);
        Put(data, static_cast<uint32_t>(static_cast<int32_t>(std::lround(point.Longitude / 180 * 2147483648.0))), 4);
        Put(data, point.Height ? static_cast<uint32_t>(std::lround((*point.Height + 500) * 5)) : 0xFFFFFFFF, 4);
    }
    std::string file = {12, 0x20};
    Put(file, 2132, 2);
    Put(file, static_cast<uint32_t>(data.size()), 4);
    file += ".FIT";
    file += data;
    Put(file, FitCrc(file), 2);
    return file;
}

}  // namespace qm::bench
