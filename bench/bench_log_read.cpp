#include "bench.h"

#include "formats/track_reader.h"
#include "platform/atomic_file_writer.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <iostream>

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

// The track as a logger writes it in IGC: one B record a point, one date
// record (the days that follow come from the times that go back).
std::string AsIgc(const qm::TrackPoints& points)
{
    const Moment first = MomentOf(points.front().DateTime);
    char line[80];
    std::snprintf(line, sizeof line, "AXXXBENCH\r\nHFDTE%02u%02u%02d\r\n", unsigned(first.date.day()),
                  unsigned(first.date.month()), int(first.date.year()) % 100);
    std::string text = line;
    for (const qm::TrackPoint& point : points) {
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

// The track as a GPS logger writes it in NMEA: RMC and GGA of each point.
std::string AsNmea(const qm::TrackPoints& points)
{
    std::string text;
    char body[160];
    for (const qm::TrackPoint& point : points) {
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

}  // namespace

// Reading the same track as an OziExplorer track, an IGC log and an NMEA log.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    const TrackPoints points = LoadTrack(trackPath).Track->Points;
    const std::string igcPath = trackPath + ".igc", nmeaPath = trackPath + ".nmea";
    WriteFileAtomically(igcPath, AsIgc(points));
    WriteFileAtomically(nmeaPath, AsNmea(points));

    size_t pltPoints = 0, igcPoints = 0, nmeaPoints = 0;
    const double plt = BestSeconds(5, [&] { pltPoints = LoadTrack(trackPath).Track->Points.size(); });
    const double igc = BestSeconds(5, [&] { igcPoints = LoadTrack(igcPath).Track->Points.size(); });
    const double nmea = BestSeconds(5, [&] { nmeaPoints = LoadTrack(nmeaPath).Track->Points.size(); });
    std::cout << "read .plt: " << pltPoints << " points in " << plt << " s\n"
              << "read .igc: " << igcPoints << " points in " << igc << " s (" << igc / plt << " x .plt)\n"
              << "read .nmea (RMC and GGA): " << nmeaPoints << " points in " << nmea << " s (" << nmea / plt
              << " x .plt)\n";
    return 0;
}
