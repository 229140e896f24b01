// A batch is checked whole before anything is written.
#include "cli/cli_fixture.h"
#include "visual/visual_test_support.h"

#include <filesystem>

namespace qm {
namespace {

using test::CliTest;

struct Clash {
    std::vector<std::string> args;
    std::string message;  // the first line on standard error
};

TEST_F(CliTest, ClashingBatchWritesNothing)
{
    Track("a.plt");
    const std::string other = work.Write("a_10.plt", "OziExplorer Track Point File, an older track\r\n");
    std::filesystem::create_directories(work.File("d1"));
    std::filesystem::create_directories(work.File("d2"));
    Track("d1/x.plt");
    Track("d2/x.plt");
    // A track reached through a hard link, spelled with "./".
    Track("t.plt");
    std::filesystem::create_hard_link(work.File("t.plt"), work.File("b_2.plt"));
    Track("b.plt");

    const Clash clashes[] = {
        {{"visualise", "a.plt", "a_10.plt", "--out", "."},
         "a_10.plt: трек этого пакета, его заменил бы " + test::Native("./a_10.plt") +
             ", результат трека a.plt\n"},
        {{"visualise", "b.plt", "./t.plt"},
         "./t.plt: трек этого пакета, его заменил бы " + test::Native("./b_2.plt") +
             ", результат трека b.plt\n"},
        {{"visualise", "d1/x.plt", "d2/x.plt", "--out", "oo"},
         test::Native("oo/x_2.plt") + ": записался бы и для d1/x.plt, и для d2/x.plt\n"},
        {{"visualise", "d1/x.plt", "d2/x.plt", "--out", "oo", "--format", "kml"},
         test::Native("oo/x_speed.kml") + ": записался бы и для d1/x.plt, и для d2/x.plt\n"},
        {{"stats", "d1/x.plt", "d2/x.plt", "--save", "oo"},
         test::Native("oo/x_stat.txt") + ": записался бы и для d1/x.plt, и для d2/x.plt\n"},
    };
    const std::set<std::string> before = test::FileNames(work.path());
    for (const Clash& clash : clashes) {
        SCOPED_TRACE(clash.args[1] + " " + clash.args[2]);
        test::CliRun run = Run(clash.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1), clash.message);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(test::FileNames(work.path()), before);
        EXPECT_EQ(test::ReadAll(work.File("t.plt")), track);
    }
    EXPECT_EQ(test::ReadAll(other), "OziExplorer Track Point File, an older track\r\n");
}

TEST_F(CliTest, SingleTrackReplacesAnOldResult)
{
    Track("a.plt");
    work.Write("a_10.plt", "an old result");
    test::CliRun run = Run({"visualise", "a.plt"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(test::ReadAll(work.File("a_10.plt")).substr(0, 28), "OziExplorer Track Point File");
}

TEST_F(CliTest, ScaleWhoseBandsShareAFileIsRefused)
{
    Track("a.plt");
    // Bands 0-10, 10-5 and 5-10: bands 1 and 3 would both write a_10.plt.
    work.Write("clash.ini", "[SPDSCALE0]\r\nSCALEDATA=0;10;255;10;5;1;5;10;2;10;15;3;15;20;4;20;25;5;25;30;6;30;35;7;"
                            "35;40;8;40;1000;9;\r\n");
    test::CliRun run = Run({"visualise", "a.plt", "--settings", "clash.ini", "--out", "out"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "a.plt: Шкала скоростей не годится: полосы 0-10 км/ч и 5-10 км/ч записали бы один файл "
                       "a_10.plt. Верхние границы полос должны возрастать.\n");
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(work.File("out")));
    // One GPX file holds every band, whatever its bounds.
    run = Run({"visualise", "a.plt", "--settings", "clash.ini", "--out", "out", "--format", "gpx"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(test::FileNames(work.File("out")), std::set<std::string>{"a_speed.gpx"});
}

}  // namespace
}  // namespace qm
