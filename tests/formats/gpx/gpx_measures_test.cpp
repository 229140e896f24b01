// What a device measured at a point, in Garmin's GPX extensions: read into
// the track's measure columns, and written back by the GPX visualisation in
// the same extensions, so that reading what we wrote gives them again.
#include "commands/visualise.h"
#include "formats/track_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qm {
namespace {

std::string Gpx(const std::string& points)
{
    return "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"t\" xmlns=\"http://www.topografix.com/GPX/1/1\" "
           "xmlns:t1=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v1\" "
           "xmlns:t2=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\" "
           "xmlns:pwr=\"http://www.garmin.com/xmlschemas/PowerExtension/v1\" xmlns:x=\"urn:other\">\n<trk><trkseg>" +
           points + "</trkseg></trk></gpx>\n";
}

// One point whose <extensions> hold `extensions`.
std::string Point(int second, const std::string& extensions)
{
    return "<trkpt lat=\"1\" lon=\"2\"><time>2020-02-14T00:00:0" + std::to_string(second) + "Z</time><extensions>" +
           extensions + "</extensions></trkpt>\n";
}

using Columns = std::array<MeasureColumn, kMeasureCount>;  // heart rate, cadence, power, temperature
const MeasureColumn kNone;

TEST(GpxMeasuresTest, GarminExtensionsAreReadIntoTheColumns)
{
    const struct {
        std::string name, points;
        Columns expected;
    } cases[] = {
        {"TrackPointExtension v1",
         Point(0, "<t1:TrackPointExtension><t1:atemp>-2.5</t1:atemp><t1:hr>142</t1:hr><t1:cad> 87 </t1:cad>"
                  "</t1:TrackPointExtension>"),
         {MeasureColumn{142.0f}, MeasureColumn{87.0f}, kNone, MeasureColumn{-2.5f}}},
        {"TrackPointExtension v2", Point(0, "<t2:TrackPointExtension><t2:hr>99</t2:hr></t2:TrackPointExtension>"),
         {MeasureColumn{99.0f}, kNone, kNone, kNone}},
        {"power as Garmin's PowerInWatts, also where OpenTracks puts it, or as <power>",
         Point(0, "<pwr:PowerInWatts>250</pwr:PowerInWatts>") +
             Point(1, "<t2:TrackPointExtension><pwr:PowerInWatts>251</pwr:PowerInWatts></t2:TrackPointExtension>") +
             Point(2, "<power>252</power>"),
         {kNone, kNone, MeasureColumn{250.0f, 251.0f, 252.0f}, kNone}},
        {"only where they belong",
         Point(0, "<t1:hr>60</t1:hr><x:power>1</x:power><t1:TrackPointExtension><x:hr>61</x:hr><t1:power>2</t1:power>"
                  "</t1:TrackPointExtension><x:TrackPointExtension><t1:hr>62</t1:hr></x:TrackPointExtension>") +
             Point(1, "<t1:TrackPointExtension><t1:hr>63</t1:hr></t1:TrackPointExtension>"),
         {MeasureColumn{std::nullopt, 63.0f}, kNone, kNone, kNone}},
        {"a broken value is left out, its point kept",
         Point(0, "<t1:TrackPointExtension><t1:hr>fast</t1:hr><t1:cad>1e40</t1:cad><t1:atemp>nan</t1:atemp>"
                  "</t1:TrackPointExtension>") +
             Point(1, "<t1:TrackPointExtension><t1:cad>80</t1:cad></t1:TrackPointExtension>"),
         {kNone, MeasureColumn{std::nullopt, 80.0f}, kNone, kNone}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TrackReading reading = ReadTrack(Gpx(c.points), "t.gpx");
        ASSERT_TRUE(reading.Track.has_value());
        EXPECT_EQ(reading.Messages.size(), c.name.starts_with("a broken value") ? 1u : 0u);
        for (size_t k = 0; k < kMeasureCount; ++k) EXPECT_EQ(reading.Track->Measures[k], c.expected[k]) << k;
    }
}

// The FIT files of a heart-rate strap and of a bike computer's thermometer,
// written as GPX and read again: every point written has what it had.
TEST(GpxMeasuresTest, TheGpxVisualisationWritesThemBack)
{
    for (const std::string file : {"GPSBabel-gpsbabel-reference-track-wahoo-element-bolt.fit",
                                   "GPSBabel-gpsbabel-reference-track-garmin-edge-800.fit"}) {
        SCOPED_TRACE(file);
        test::TempDir dir;
        test::RecordingSink sink;
        Settings settings;
        settings.OUTFORMAT = OutputFormat::Gpx;
        VisualiseResult result = VisualiseTrack(std::string(QM_TEST_DATA) + "/tracks/" + file, dir.path(),
                                                ScaleBandBoxes(settings.CurrentScale()), settings, sink);
        ASSERT_TRUE(result.Processed);
        const Track& original = result.Track;
        TrackReading back = LoadTrack(result.FilesWritten.at(0));
        ASSERT_TRUE(back.Track.has_value());
        size_t compared = 0;
        for (size_t i = 0, j = 0; i < back.Track->Points.size(); ++i) {
            while (j < original.Points.size() && original.Points[j].DateTime < back.Track->Points[i].DateTime - 1e-9)
                ++j;
            ASSERT_LT(j, original.Points.size());
            for (size_t k = 0; k < kMeasureCount; ++k) {
                const MeasureColumn& was = original.Measures[k];
                const MeasureColumn& is = back.Track->Measures[k];
                EXPECT_EQ(was.empty() ? std::nullopt : was[j], is.empty() ? std::nullopt : is[i]) << i << " " << k;
            }
            ++compared;
        }
        EXPECT_GT(compared, 1000u);
    }
}

// A running cadence read from TCX is written as any cadence is.
TEST(GpxMeasuresTest, ARunningCadenceIsWrittenAsTheCadence)
{
    const std::string run = "<Extensions><ns3:TPX><ns3:RunCadence>";
    const std::string kMeasured[] = {"<Cadence>70</Cadence>", run + "85</ns3:RunCadence></ns3:TPX></Extensions>",
                                     "<Cadence>72</Cadence>" + run + "90</ns3:RunCadence></ns3:TPX></Extensions>"};
    std::string points;
    for (int i = 0; i < 3; ++i)
        points += "<Trackpoint><Time>2020-01-01T10:00:0" + std::to_string(i) +
                  "Z</Time><Position><LatitudeDegrees>50.000" + std::to_string(i) +
                  "</LatitudeDegrees><LongitudeDegrees>8</LongitudeDegrees></Position>" + kMeasured[i] + "</Trackpoint>";
    test::TempDir dir;
    const std::string tcx = dir.Write(
        "run.tcx", "<?xml version=\"1.0\"?>\n<TrainingCenterDatabase xmlns=\"http://www.garmin.com/xmlschemas/"
                   "TrainingCenterDatabase/v2\" xmlns:ns3=\"http://www.garmin.com/xmlschemas/ActivityExtension/v2\">"
                   "<Activities><Activity Sport=\"Running\"><Lap><Track>" +
                       points + "</Track></Lap></Activity></Activities></TrainingCenterDatabase>\n");
    test::RecordingSink sink;
    Settings settings;
    settings.OUTFORMAT = OutputFormat::Gpx;
    VisualiseResult result = VisualiseTrack(tcx, dir.path(), ScaleBandBoxes(settings.CurrentScale()), settings, sink);
    ASSERT_TRUE(result.Processed);
    const std::string gpx = test::ReadAll(result.FilesWritten.at(0));
    for (const char* cadence : {"70", "85", "72"}) {
        const std::string written = std::string("<extensions><gpxtpx:TrackPointExtension><gpxtpx:cad>") + cadence +
                                    "</gpxtpx:cad></gpxtpx:TrackPointExtension></extensions>";
        EXPECT_NE(gpx.find(written), std::string::npos) << written;
    }
    EXPECT_EQ(gpx.find("<gpxtpx:cad>90<"), std::string::npos);
}

}  // namespace
}  // namespace qm
