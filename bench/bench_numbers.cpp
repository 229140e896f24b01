#include "bench.h"

#include "formats/ozi/plt_details.h"
#include "formats/ozi/plt_reader.h"
#include "formats/ozi/plt_writer.h"
#include "formats/track_reader.h"
#include "platform/line_reader.h"
#include "platform/number_text.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <vector>

namespace {

constexpr int kRuns = 5;
constexpr int kHeaderLines = 6;

// Keeps the compiler from dropping work whose result is not used.
template <typename Value>
void Keep(const Value& value)
{
    asm volatile("" : : "g"(&value) : "memory");
}

}  // namespace

// The conversions of the track's numbers against std::from_chars and
// std::to_chars of the same texts and values, on one thread, in memory.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    const std::string text = ReadWholeFile(trackPath);
    std::vector<std::string_view> lines;
    LineReader reader(text);
    for (int i = 0; !reader.AtEnd(); ++i) {
        std::string_view line = reader.Next();
        if (i >= kHeaderLines && !line.empty()) lines.push_back(line);
    }
    const TrackPoints points = std::move(LoadTrack(trackPath).Track->Points);

    std::vector<TrackPoint> read(lines.size());
    std::vector<OfferedPoint> parsed(lines.size());
    const std::vector<Times> reading = BestTimesInTurn(
        kRuns, {
                   [&] {
                       for (size_t i = 0; i < lines.size(); ++i) {
                           const char* p = lines[i].data();
                           const char* const end = p + lines[i].size();
                           TrackPoint& point = read[i];
                           int code = 0;
                           double feet = 0;
                           p = std::from_chars(p, end, point.Latitude).ptr + 1;
                           p = std::from_chars(p, end, point.Longitude).ptr + 1;
                           p = std::from_chars(p, end, code).ptr + 1;
                           p = std::from_chars(p, end, feet).ptr + 1;
                           std::from_chars(p, end, point.DateTime);
                           // What the format needs beyond the numbers: whole feet, in metres.
                           point.StartsPiece = code != 0;
                           point.Height = HeightOfFeet(static_cast<int32_t>(RoundHalfEven(feet)));
                       }
                       Keep(read);
                   },
                   [&] {
                       for (size_t i = 0; i < lines.size(); ++i) ParseTrackPoint(lines[i], parsed[i]);
                       Keep(parsed);
                   },
               });

    // Lines go to one megabyte over and over, as into a file's buffer.
    std::vector<char> out(size_t{1} << 20);
    char* const last = out.data() + out.size() - PointLineWriter::kMaxLine;
    const std::vector<Times> writing = BestTimesInTurn(
        kRuns, {
                   [&] {
                       char* p = out.data();
                       for (const TrackPoint& point : points) {
                           if (p > last) p = out.data();
                           // The values the line shows: the two coordinates,
                           // the break code, the feet, the day count, and the
                           // day and the second of the day of the date and time.
                           const double ms = std::round(point.DateTime * 86400000);
                           p = std::to_chars(p, p + 32, point.Latitude).ptr;
                           p = std::to_chars(p, p + 32, point.Longitude).ptr;
                           p = std::to_chars(p, p + 16, int{point.StartsPiece}).ptr;
                           p = std::to_chars(p, p + 16, FeetOfHeight(point.Height)).ptr;
                           p = std::to_chars(p, p + 32, point.DateTime).ptr;
                           p = std::to_chars(p, p + 16, static_cast<int64_t>(ms / 86400000)).ptr;
                           p = std::to_chars(p, p + 16, static_cast<int64_t>(std::fmod(ms, 86400000) / 1000)).ptr;
                           *p++ = '\r';
                           *p++ = '\n';
                       }
                       Keep(out);
                   },
                   [&] {
                       char* p = out.data();
                       PointLineWriter writer;
                       for (const TrackPoint& point : points) {
                           if (p > last) p = out.data();
                           p = writer.Write(p, point, point.StartsPiece);
                       }
                       Keep(out);
                   },
               });

    std::cout << lines.size() << " point lines\n"
              << TimesText("std::from_chars of their five numbers, the feet made whole metres", reading[0]) << '\n'
              << TimesText("the .plt reader's conversion", reading[1]) << ": "
              << RatioText(reading[1], reading[0], "std::from_chars") << '\n'
              << TimesText("std::to_chars of the values a point line shows", writing[0]) << '\n'
              << TimesText("the .plt writer's point lines", writing[1]) << ": "
              << RatioText(writing[1], writing[0], "std::to_chars") << '\n';
    return 0;
}
