#include "track_as.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace qm::bench {
namespace {

using namespace std::chrono;

struct Moment {
    year_month_day date;
    hh_mm_ss<milliseconds> time;
};

Moment MomentOf(double days)
{
    const auto since1970 = milliseconds(std::llround((days - 25569) * 86400000));
    const sys_days day = floor<std::chrono::days>(sys_time<milliseconds>(since1970));
    return {year_month_day(day), hh_mm_ss<milliseconds>(since1970 - day.time_since_epoch())};
}

// Degrees as whole degrees and thousandths of a minute, the way IGC writes them.
long Thousandths(double degrees) { return std::lround(std::fabs(degrees) * 60000); }

void AddSentence(std::string& text, const char* body)
{
    unsigned char sum = 0;
    for (const char* c = body; *c; ++c) sum ^= static_cast<unsigned char>(*c);
    char checksum[8];
    std::snprintf(checksum, sizeof checksum, "*%02X\r\n", sum);
    text += '$';
    text += body;
    text += checksum;
}

}  // namespace

std::string TrackAsIgc(const Track& track)
{
    const Moment first = MomentOf(track.Points.front().DateTime);
    char line[80];
    std::snprintf(line, sizeof line, "AXXXBENCH\r\nHFDTE%02u%02u%02d\r\n", unsigned(first.date.day()),
                  unsigned(first.date.month()), int(first.date.year()) % 100);
    std::string text = line;
    for (const TrackPoint& point : track.Points) {
        const Moment at = MomentOf(point.DateTime);
        const long lat = Thousandths(point.Latitude), lon = Thousandths(point.Longitude);
        std::snprintf(line, sizeof line, "B%02d%02d%02d%02ld%05ld%c%03ld%05ld%cA%05d%05d\r\n",
                      int(at.time.hours().count()), int(at.time.minutes().count()), int(at.time.seconds().count()),
                      lat / 60000, lat % 60000, point.Latitude < 0 ? 'S' : 'N', lon / 60000, lon % 60000,
                      point.Longitude < 0 ? 'W' : 'E', 0, int(std::lround(point.Height.value_or(0))));
        text += line;
    }
    return text;
}

std::string TrackAsNmea(const Track& track)
{
    std::string text;
    char body[160];
    for (const TrackPoint& point : track.Points) {
        const Moment at = MomentOf(point.DateTime);
        char time[16], position[64];
        std::snprintf(time, sizeof time, "%02d%02d%02d.%03d", int(at.time.hours().count()),
                      int(at.time.minutes().count()), int(at.time.seconds().count()),
                      int(at.time.subseconds().count()));
        const double lat = std::fabs(point.Latitude), lon = std::fabs(point.Longitude);
        std::snprintf(position, sizeof position, "%02d%08.5f,%c,%03d%08.5f,%c", int(lat), (lat - int(lat)) * 60,
                      point.Latitude < 0 ? 'S' : 'N', int(lon), (lon - int(lon)) * 60, point.Longitude < 0 ? 'W' : 'E');
        std::snprintf(body, sizeof body, "GPRMC,%s,A,%s,0.0,0.0,%02u%02u%02d,,,A", time, position,
                      unsigned(at.date.day()), unsigned(at.date.month()), int(at.date.year()) % 100);
        AddSentence(text, body);
        std::snprintf(body, sizeof body, "GPGGA,%s,%s,1,09,0.9,%.1f,M,0.0,M,,", time, position,
                      point.Height.value_or(0));
        AddSentence(text, body);
    }
    return text;
}

}  // namespace qm::bench
