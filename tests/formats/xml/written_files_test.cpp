// Every GPX and KML file the visualisation writes for the real tracks is
// valid against the GPX 1.1 schema (Garmin's TrackPointExtension v1 included)
// or the OGC KML 2.2 schema (xmllint, offline), and
// GPSBabel reads back as many track points and waypoints as were written.
#include "commands/visualise.h"
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

TEST(WrittenFilesTest, EveryGpxAndKmlFileIsValidAndReadsBack)
{
    const std::pair<OutputFormat, std::string> formats[] = {
        {OutputFormat::Gpx, "gpx"}, {OutputFormat::Kml, "kml"}};
    const std::string schemas[] = {kData + "/schemas/gpx11-with-trackpointextension-v1.xsd",
                                   kData + "/schemas/GPSBabel-gpsbabel-tools-schema-kml-ogckml22.xsd"};
    ASSERT_TRUE(test::ToolInstalled("xmllint"));
    ASSERT_TRUE(test::ToolInstalled("gpsbabel"));
    int files = 0;
    for (const auto& entry : fs::directory_iterator(kData + "/tracks")) {
        const std::string track = entry.path().string();
        for (const auto& [format, name] : formats) {
            SCOPED_TRACE(track + " as " + name);
            test::TempDir dir;
            test::RecordingSink sink;
            Settings settings;
            settings.OUTFORMAT = format;
            VisualiseResult result =
                VisualiseTrack(track, dir.path(), ScaleBandBoxes(settings.CurrentScale()), settings, sink);
            if (!result.Processed) continue;  // no track in the file
            ASSERT_EQ(result.FilesWritten.size(), 1u);
            const std::string& written = result.FilesWritten[0];
            EXPECT_EQ(ShellStatus("xmllint --nonet --noout --schema '" + schemas[format == OutputFormat::Kml] + "' '" +
                          written + "' 2>'" + dir.File("xmllint.txt") + "'"),
                      0)
                << test::ReadAll(dir.File("xmllint.txt"));

            size_t points = 0;
            for (const SpeedRun& run : result.Visualisation.Runs) points += static_cast<size_t>(run.Last - run.First + 1);
            EXPECT_EQ(GpsBabelCount(written, name, "-t", dir), points);
            EXPECT_EQ(GpsBabelCount(written, name, "-w", dir), result.Visualisation.Stops.size());
            ++files;
        }
    }
    EXPECT_GE(files, 2 * 24);  // every real track but the waypoint files and the one without times
}

}  // namespace
}  // namespace qm
