#include "formats/track_reader.h"

#include "support/test_support.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include <gtest/gtest.h>

namespace qm {
namespace {

// The shortest text that gives the value back.
std::string Exact(double value)
{
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// What a reading gives, every point's values and every message, as text.
std::string Described(const TrackReading& reading)
{
    std::string text;
    for (const Message& message : reading.Messages)
        text += message.File + ":" + std::to_string(message.Line) + ": " + message.Text + "\n";
    if (!reading.Track) return text;
    for (const TrackPoint& point : reading.Track->Points)
        text += Exact(point.Latitude) + " " + Exact(point.Longitude) + " " +
                Exact(point.DateTime) + " " + (point.Height ? Exact(*point.Height) : "-") +
                (point.StartsPiece ? " piece\n" : "\n");
    for (const MeasureColumn& column : reading.Track->Measures)
        for (const std::optional<float>& value : column) text += value ? Exact(*value) + " " : "- ";
    return text;
}

// A file's track is what its bytes give in memory, whichever way the file is
// read (a line at a time, through expat, or whole): every track file of the
// tests, and documents whose tokens and prolog reach over the reads.
TEST(TrackReader, AFileGivesWhatItsBytesGiveInMemory)
{
    test::TempDir dir;
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(QM_TEST_DATA) + "/tracks"))
        paths.push_back(test::Utf8(entry.path()));
    const std::string point = "<trkpt lat=\"55\" lon=\"37\"><time>2020-02-14T06:00:00Z</time></trkpt>";
    const std::string later = "<trkpt lat=\"55.1\" lon=\"37\"><time>2020-02-14T06:10:00Z</time></trkpt>";
    const std::string mib(size_t{1} << 20, 'x');
    for (const auto& [name, text] : std::initializer_list<std::pair<std::string, std::string>>{
             {"long-prolog.gpx", "<?xml version=\"1.0\"?><!--" + mib + mib + "--><gpx><trk><trkseg>" + point + later +
                                     "</trkseg></trk></gpx>"},
             {"long-name.gpx", "<gpx><trk><name>" + mib + mib + mib + "</name><trkseg>" + point + "<trkpt lat=\"55\" lon=\"" +
                                   mib + "\"/>" + later + "</trkseg></trk></gpx>"},
             {"cut.gpx", "<gpx><trk><trkseg>" + point + later + "<trkpt lat=\"55\""},
         })
        paths.push_back(dir.Write(name, text));
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        const std::string bytes = test::ReadAll(path);
        const TrackReading fromFile = LoadTrack(path), fromMemory = ReadTrack(bytes, path);
        EXPECT_EQ(Described(fromFile), Described(fromMemory));
        EXPECT_TRUE(fromFile.Track.has_value() || !fromFile.Messages.empty());
    }
}

// Every real file is told by its first bytes, whatever its name says; the
// waypoint files are none of ours and go to the track file reader, which
// refuses them.
TEST(TrackReader, TheFirstBytesTellTheFormat)
{
    const std::pair<std::string_view, std::string_view> formats[] = {
        {".fit", "FIT"}, {".gpx", "XML"}, {".tcx", "XML"}, {".kml", "XML"}, {".kmz", "KMZ"},
        {".igc", "IGC"}, {".nmea", "NMEA"}, {".plt", "PLT"}, {".wpt", "PLT"},
    };
    for (const auto& entry : std::filesystem::directory_iterator(std::string(QM_TEST_DATA) + "/tracks")) {
        const std::string extension = test::Utf8(entry.path().extension());
        const auto format = std::find_if(std::begin(formats), std::end(formats),
                                         [&](const auto& f) { return f.first == extension; });
        ASSERT_NE(format, std::end(formats)) << extension;
        EXPECT_EQ(TrackFormatName(test::ReadAll(test::Utf8(entry.path()))), format->second) << entry.path();
    }
    EXPECT_EQ(TrackFormatName(""), "PLT");
}

}  // namespace
}  // namespace qm
