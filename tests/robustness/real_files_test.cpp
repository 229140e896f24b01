// Every real OziExplorer file of tests/data through quillmarsh-cli, as a user
// runs it: the files of both commands compared byte for byte with files a
// person has checked, or, for a file that is no track, the exact message.
#include "support/cli_run.h"
#include "support/test_support.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>


namespace qm {
namespace {

// Runs the tool in the test data directory.
test::CliRun RunCli(const std::vector<std::string>& args, const test::TempDir& scratch)
{
    return test::RunCli(args, QM_TEST_DATA, scratch.path());
}

// The reader's messages as the tool writes them: each line begins with the file.
std::string OnFile(const std::string& file, const std::string& lines)
{
    std::string text;
    for (size_t at = 0; at < lines.size();) {
        size_t end = lines.find('\n', at) + 1;
        text += file + ": " + lines.substr(at, end - at);
        at = end;
    }
    return text;
}

std::string NamePart(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// A real file and where its checked outputs lie.
struct RealFile {
    std::string file;       // under tests/data
    std::string visualise;  // the band and stop files; empty when the file is refused
    std::string stats;      // holds NAME_stat.txt and NAME_stat.csv
    std::string message;    // what the reader shows, one line, or nothing
};

const std::string kTimeOrder1970 =
    "Ошибка в треке! Отметка времени точек: #1 - 01.01.1970; #2 - 01.01.1970. Трек будет обработан до точки #1.\n";
const std::string kNotATrack = "Неверный формат трека!\n";

const std::vector<RealFile> kRealFiles = {
    {"visual/mapsoft2-programs-ms2conv-test_data-ozi1.plt", "visual/expected/ozi1", "real/expected/stats", ""},
    {"real/mapsoft2-programs-ms2conv-test_data-ozi1a.plt", "real/expected/visualise/ozi1a", "real/expected/stats", ""},
    {"stats/mapsoft2-programs-ms2xyz-test_data-20040222_full.plt", "visual/expected/full", "stats/expected", ""},
    {"real/mapsoft2-programs-ms2xyz-test_data-20040222_reduced.plt", "real/expected/visualise/reduced",
     "real/expected/stats", ""},
    {"stats/mapsoft2-programs-ms2xyz-test_data-test.plt", "visual/expected/mountain", "stats/expected", ""},
    {"mapsoft2-vmap_data-example-brd_n49.plt", "real/expected/visualise/brd_n49", "real/expected/stats",
     kTimeOrder1970},
    {"visual/gpsbabel-reference-track-20070813_short.plt", "real/expected/visualise/short", "real/expected/stats", ""},
    {"real/gpsbabel-reference-track-20070813_short~plt.plt", "real/expected/visualise/short-gpsbabel",
     "real/expected/stats", ""},
    {"real/gpsbabel-reference-track-ozitracks~gpx.plt", "real/expected/visualise/ozitracks", "real/expected/stats", ""},
    {"real/gpsbabel-reference-track-ozitracks~gpx-1.plt", "real/expected/visualise/ozitracks-1", "real/expected/stats",
     ""},
    {"real/gpsbabel-reference-track-ozitracks~gpx-2.plt", "real/expected/visualise/ozitracks-2", "real/expected/stats",
     ""},
    {"stats/gpsbabel-derived-reference-track-dg100.plt", "real/expected/visualise/dg100", "stats/expected", ""},
    {"stats/gpsbabel-derived-reference-track-mtk_logger_m241_multiple_tracks.plt", "real/expected/visualise/mtk",
     "stats/expected", ""},
    // Waypoint files are no tracks.
    {"real/gpsbabel-reference-ozi.wpt", "", "", kNotATrack},
    {"real/gpsbabel-reference-ozi-color.wpt", "", "", kNotATrack},
    {"real/mapsoft2-programs-ms2conv-test_data-ozi1.wpt", "", "", kNotATrack},
    {"real/mapsoft2-programs-ms2conv-test_data-ozi1a.wpt", "", "", kNotATrack},
};

struct RealFiles : ::testing::Test {
    test::TempDir dir;
    // An empty settings file: every setting at its default, whatever lies around.
    std::string settings = dir.Write("Quillmarsh.ini", "");
};

TEST_F(RealFiles, VisualiseWritesTheCheckedFilesOrRefusesTheFile)
{
    for (const RealFile& real : kRealFiles) {
        SCOPED_TRACE(real.file);
        const std::string out = dir.File("out-" + NamePart(real.file));
        test::CliRun run = RunCli({"visualise", real.file, "--out", out, "--settings", settings}, dir);
        EXPECT_EQ(run.err, OnFile(real.file, real.message));
        if (real.visualise.empty()) {
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.out, "");
            EXPECT_TRUE(test::FileNames(out).empty());
            continue;
        }
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, "трек обработан\n");
        const std::string expected = QM_TEST_DATA "/" + real.visualise + "/";
        ASSERT_EQ(test::FileNames(out), test::FileNames(expected));
        for (const std::string& name : test::FileNames(expected))
            EXPECT_TRUE(test::ReadAll(out + "/" + name) == test::ReadAll(expected + name)) << name;
    }
}

TEST_F(RealFiles, StatsSavesTheCheckedReportsOrRefusesTheFile)
{
    for (const RealFile& real : kRealFiles) {
        for (std::string format : {"txt", "csv"}) {
            SCOPED_TRACE(real.file + " " + format);
            const std::string save = dir.File("save-" + NamePart(real.file) + "-" + format);
            test::CliRun run =
                RunCli({"stats", real.file, "--format", format, "--save", save, "--settings", settings}, dir);
            if (real.stats.empty()) {
                EXPECT_EQ(run.status, 1);
                EXPECT_EQ(run.err, OnFile(real.file, real.message + "Нет данных для расчета.\n"));
                EXPECT_TRUE(test::FileNames(save).empty());
                continue;
            }
            std::string name = NamePart(real.file);
            name.replace(name.find(".plt"), 4, "_stat." + format);
            EXPECT_EQ(run.status, 0);
            EXPECT_EQ(run.err, OnFile(real.file, real.message));
            EXPECT_EQ(run.out, save + "/" + name + "\n");
            EXPECT_EQ(test::ReadAll(save + "/" + name), test::ReadAll(QM_TEST_DATA "/" + real.stats + "/" + name));
        }
    }
}

}  // namespace
}  // namespace qm
