// IGC and NMEA logs as editors and old programs save them: after a UTF-8
// byte-order mark, their lines ended by a CR alone or by line ends of every
// kind in turn. Each real log of tests/data/tracks so saved reads as the
// file itself does: the same points, or the same refusal.
#include "formats/track_reader.h"
#include "support/real_track.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace qm {
namespace {

// The text re-saved: each line ended by the next of `ends` in turn, a BOM
// before it if asked.
std::string Resaved(const std::string& text, bool bom, const std::vector<std::string>& ends)
{
    std::string saved = bom ? "\xEF\xBB\xBF" : "";
    size_t count = 0;
    for (size_t at = 0; at < text.size(); ++count) {
        size_t lf = text.find('\n', at);
        if (lf == std::string::npos) lf = text.size();
        const size_t end = lf > at && text[lf - 1] == '\r' ? lf - 1 : lf;
        saved += text.substr(at, end - at) + ends[count % ends.size()];
        at = lf + 1;
    }
    return saved;
}

// Every point and message of a reading, to compare two readings whole.
std::string Described(const TrackReading& reading)
{
    std::ostringstream out;
    out.precision(17);
    if (reading.Track)
        for (const TrackPoint& p : reading.Track->Points)
            out << p.DateTime << ' ' << p.Latitude << ' ' << p.Longitude << ' ' << p.Height.value_or(NAN) << ' '
                << p.StartsPiece << '\n';
    for (const Message& m : reading.Messages) out << m.IsError << ' ' << m.Line << ' ' << m.Text << '\n';
    return out.str();
}

// Where a reading described departs from the one expected, briefly; empty
// when they agree.
std::string Departure(const std::string& got, const std::string& expected)
{
    const auto [g, e] = std::mismatch(got.begin(), got.end(), expected.begin(), expected.end());
    if (g == got.end() && e == expected.end()) return "";
    const auto shown = [](auto from, auto end) {
        return std::string(from, from + std::min<ptrdiff_t>(end - from, 80));
    };
    return "at byte " + std::to_string(g - got.begin()) + ": \"" + shown(g, got.end()) + "\" instead of \"" +
           shown(e, expected.end()) + "\"";
}

TEST(LogLines, ARealLogResavedReadsAsTheLogItself)
{
    const struct {
        std::string name;
        bool bom;
        std::vector<std::string> ends;
    } kSavings[] = {
        {"a byte-order mark", true, {"\r\n"}},
        {"a CR alone", false, {"\r"}},
        {"a byte-order mark and a CR alone", true, {"\r"}},
        {"CR, LF and CR LF in turn", false, {"\r", "\n", "\r\n"}},
    };
    for (const std::string file :
         {"GPSBabel-gpsbabel-reference-igc2.igc", "GPSBabel-gpsbabel-reference-track-27GLQKF3.igc",
          "GPSBabel-gpsbabel-reference-track-nmeadatetime.nmea", "GPSBabel-gpsbabel-reference-track-adddate.nmea"}) {
        const std::string path = test::RealTrackPath(file);
        const std::string text = test::ReadAll(path);
        const std::string expected = Described(LoadTrack(path));
        ASSERT_FALSE(expected.empty()) << file;
        for (const auto& saving : kSavings) {
            SCOPED_TRACE(file + " with " + saving.name);
            EXPECT_EQ(Departure(Described(ReadTrack(Resaved(text, saving.bom, saving.ends), path)), expected), "");
        }
    }
}

}  // namespace
}  // namespace qm
