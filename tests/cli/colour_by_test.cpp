// visualise --colour-by: a measure's bands in the one GPX or KML file.
#include "cli/cli_fixture.h"
#include "visual/visual_test_support.h"

namespace qm {
namespace {

using test::CliTest;

TEST_F(CliTest, ColourByAMeasureWritesGpxOrKmlOnly)
{
    Track("x.plt");
    work.Write("gpx.ini", "[VISUAL]\r\nOUTFORMAT=GPX\r\n");
    work.Write("ride.gpx", "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" "
                           "xmlns:t=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v1\"><trk><trkseg>"
                           "<trkpt lat=\"55\" lon=\"37\"><time>2020-01-01T00:00:00Z</time><extensions>"
                           "<t:TrackPointExtension><t:hr>251</t:hr></t:TrackPointExtension></extensions></trkpt>"
                           "<trkpt lat=\"55.001\" lon=\"37\"><time>2020-01-01T00:01:00Z</time><extensions>"
                           "<t:TrackPointExtension><t:hr>140</t:hr></t:TrackPointExtension></extensions></trkpt>"
                           "</trkseg></trk></gpx>");
    const std::string usage = "\nTry 'quillmarsh-cli --help'.\n";
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
        std::string written;  // the file written, or none
    } cases[] = {
        {{"visualise", "x.plt", "--colour-by", "heart-rate"}, 2,
         "quillmarsh-cli: --colour-by heart-rate writes GPX or KML: give --format gpx or kml (the .plt band files are "
         "coloured by speed)" + usage, ""},
        {{"visualise", "x.plt", "--colour-by", "grade", "--format", "plt", "--settings", "gpx.ini"}, 2,
         "quillmarsh-cli: --colour-by grade writes GPX or KML: give --format gpx or kml (the .plt band files are "
         "coloured by speed)" + usage, ""},
        {{"visualise", "x.plt", "--colour-by", "pulse", "--format", "gpx"}, 2,
         "quillmarsh-cli: --colour-by takes speed, height, grade, heart-rate, cadence, power or temperature" + usage,
         ""},
        {{"visualise", "x.plt", "--colour-by", "Height", "--settings", "gpx.ini"}, 0, "", "x_height.gpx"},
        {{"visualise", "x.plt", "--colour-by", "speed", "--format", "kml"}, 0, "", "x_speed.kml"},
        {{"visualise", "ride.gpx", "--colour-by", "heart-rate", "--format", "kml", "--lang", "en"}, 0,
         "ride.gpx: Values of heart-rate outside the plausible range (25 to 250 bpm) left out: 1 of 2.\n",
         "ride_heart-rate.kml"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[3]);
        const std::set<std::string> before = test::FileNames(work.path());
        const test::CliRun run = Run(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err, c.err);
        std::set<std::string> after = test::FileNames(work.path());
        if (!c.written.empty()) {
            EXPECT_EQ(after.erase(c.written), 1u);
        }
        EXPECT_EQ(after, before);
    }
}

}  // namespace
}  // namespace qm
