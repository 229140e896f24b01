// Every GPX and KML file the visualisation writes for the real tracks,
// coloured by speed or by a measure, is valid against the GPX 1.1 schema (Garmin's TrackPointExtension v1 included)
// or the OGC KML 2.2 schema (xmllint, offline), and
// GPSBabel reads back as many track points and waypoints as were written.
#include "commands/visualise.h"
#include "formats/track_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <algorithm>
#include <filesystem>
#include <sys/wait.h>

namespace qm {
namespace {

namespace fs = std::filesystem;

const std::string kData = QM_TEST_DATA;

// The exit status of a shell command.
int ShellStatus(const std::string& command)
{
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What GPSBabel reads from a file: points of tracks (-t) or waypoints (-w).
size_t GpsBabelCount(const std::string& path, const std::string& format, const std::string& what,
                     const test::TempDir& dir)
{
    const std::string csv = dir.File("read.csv");
    if (ShellStatus("gpsbabel " + what + " -i " + format + " -f '" + path + "' -o unicsv -F '" + csv + "'") != 0) return 0;
    const std::string text = test::ReadAll(csv);
    size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
    return lines > 0 ? lines - 1 : 0;  // the first line names the columns
}

const std::pair<OutputFormat, std::string> kFormats[] = {{OutputFormat::Gpx, "gpx"}, {OutputFormat::Kml, "kml"}};

// What xmllint says against the format's schema; nothing when the file is valid.
std::string SchemaErrors(const std::string& written, OutputFormat format, const test::TempDir& dir)
{
    const std::string schema = kData + (format == OutputFormat::Kml
                                            ? "/schemas/GPSBabel-gpsbabel-tools-schema-kml-ogckml22.xsd"
                                            : "/schemas/gpx11-with-trackpointextension-v1.xsd");
    const std::string report = dir.File("xmllint.txt");
    if (ShellStatus("xmllint --nonet --noout --schema '" + schema + "' '" + written + "' 2>'" + report + "'") == 0)
        return "";
    return test::ReadAll(report);
}

VisualiseResult Visualise(const std::string& track, OutputFormat format, const test::TempDir& dir,
                          ColourMeasure colourBy = ColourMeasure::Speed)
{
    test::RecordingSink sink;
    Settings settings;
    settings.OUTFORMAT = format;
    return VisualiseTrack(track, dir.path(), ScaleBandBoxes(settings.CurrentScale()), settings, sink, colourBy);
}

// The points of the runs the file holds.
template <typename Run>
size_t RunPoints(const std::vector<Run>& runs)
{
    size_t points = 0;
    for (const Run& run : runs) points += static_cast<size_t>(run.Last - run.First + 1);
    return points;
}

TEST(WrittenFilesTest, EveryGpxAndKmlFileIsValidAndReadsBack)
{
    ASSERT_TRUE(test::ToolInstalled("xmllint"));
    ASSERT_TRUE(test::ToolInstalled("gpsbabel"));
    int files = 0;
    for (const auto& entry : fs::directory_iterator(kData + "/tracks")) {
        const std::string track = entry.path().string();
        // Coloured by speed, and by heart rate where the track has one, else
        // by grade (with its runs of no data where heights are missing).
        const bool beats = !ColumnOf(LoadTrack(track).Track.value_or(Track()).Measures, Measure::HeartRate).empty();
        const ColourMeasure other = beats ? ColourMeasure::HeartRate : ColourMeasure::Grade;
        for (const ColourMeasure measure : {ColourMeasure::Speed, other})
            for (const auto& [format, name] : kFormats) {
                SCOPED_TRACE(track + " as " + name + " by " + std::string(ColourMeasureName(measure)));
                test::TempDir dir;
                VisualiseResult result = Visualise(track, format, dir, measure);
                if (!result.Processed) continue;  // no track in the file
                ASSERT_EQ(result.FilesWritten.size(), 1u);
                const std::string& written = result.FilesWritten[0];
                EXPECT_EQ(SchemaErrors(written, format, dir), "");
                EXPECT_EQ(GpsBabelCount(written, name, "-t", dir),
                          result.Colouring ? RunPoints(result.Colouring->Runs) : RunPoints(result.Visualisation.Runs));
                EXPECT_EQ(GpsBabelCount(written, name, "-w", dir), result.Visualisation.Stops.size());
                ++files;
            }
    }
    EXPECT_GE(files, 4 * 24);  // every real track but the waypoint files and the one without times
}

// Coordinates at the ends of their ranges and next to zero are written in
// few digits that the schemas take: the meridian 180 as -180 in GPX, which
// stops short of it, a height or latitude of 1e-300 as 0.
TEST(WrittenFilesTest, ExtremeCoordinatesAreWrittenValid)
{
    ASSERT_TRUE(test::ToolInstalled("xmllint"));
    test::TempDir in;
    const std::string track = in.Write(
        "edge.gpx", "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><trkseg>"
                    "<trkpt lat=\"1e-300\" lon=\"180\"><ele>1e-300</ele><time>2020-01-01T00:00:00Z</time></trkpt>"
                    "<trkpt lat=\"2e-300\" lon=\"179.99999999999\"><time>2020-01-01T00:01:00Z</time></trkpt>"
                    "<trkpt lat=\"-89.12345678901\" lon=\"-180\"><ele>-999999999.1234567</ele>"
                    "<time>2020-01-01T00:02:00Z</time></trkpt></trkseg></trk></gpx>");
    const struct {
        OutputFormat format;
        std::string points;
    } cases[] = {
        {OutputFormat::Gpx, "lat=\"0\" lon=\"-180\"><ele>0</ele>|lat=\"0\" lon=\"-180\"><time>|"
                            "lat=\"-89.123456789\" lon=\"-180\"><ele>-999999999.123457</ele>"},
        {OutputFormat::Kml, "180,0,0 180,0 -180,-89.123456789,-999999999.123457"},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        const VisualiseResult result = Visualise(track, c.format, dir);
        ASSERT_EQ(result.FilesWritten.size(), 1u);
        const std::string written = test::ReadAll(result.FilesWritten[0]);
        EXPECT_EQ(SchemaErrors(result.FilesWritten[0], c.format, dir), "");
        for (size_t at = 0, end; at != std::string::npos; at = end == std::string::npos ? end : end + 1) {
            end = c.points.find('|', at);
            EXPECT_NE(written.find(c.points.substr(at, end - at)), std::string::npos) << c.points.substr(at, end - at);
        }
    }
}

}  // namespace
}  // namespace qm
