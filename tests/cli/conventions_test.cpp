// The command-line conventions scripts rely on.
#include "cli/cli_fixture.h"
#include "support/address_sanitizer.h"
#include "visual/visual_test_support.h"

namespace qm {
namespace {

using test::CliTest;

TEST_F(CliTest, OptionsFollowTheUsualConventions)
{
    Track("--x.plt");
    test::CliRun help = Run({"stats", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.substr(0, 34), "Usage: quillmarsh-cli stats TRACK.");
    // The help names every type of track the reader takes.
    EXPECT_NE(Run({"visualise", "--help"}).out.find("OziExplorer .plt, GPX, FIT, TCX, IGC, NMEA, KML or KMZ file."),
              std::string::npos);

    test::CliRun dashed = Run({"stats", "--format", "csv", "--", "--x.plt"});
    EXPECT_EQ(dashed.status, 0) << dashed.err;
    EXPECT_EQ(dashed.out.substr(0, 14), "File: --x.plt\n");

    test::CliRun twice = Run({"visualise", "--out", "a", "--out", "b", "--", "--x.plt"});
    EXPECT_EQ(twice.status, 2);
    EXPECT_EQ(twice.err, "quillmarsh-cli: option --out given twice\nTry 'quillmarsh-cli --help'.\n");

    test::CliRun format = Run({"visualise", "--format", "svg", "--", "--x.plt"});
    EXPECT_EQ(format.status, 2);
    EXPECT_EQ(format.err, "quillmarsh-cli: --format takes plt, gpx or kml\nTry 'quillmarsh-cli --help'.\n");
}

TEST_F(CliTest, FailedWriteToStandardOutputIsAnError)
{
    Track("a.plt");
    const std::vector<std::string> runs[] = {
        {"stats", "a.plt"}, {"stats", "a.plt", "--save", "saved"}, {"visualise", "a.plt"}, {"--help"}, {"stats", "--help"}};
    for (const auto& args : runs) {
        SCOPED_TRACE(args[0] + " " + args.back());
        test::CliRun run = test::FinishCli(test::StartCli(args, work.path(), scratch.path(), "/dev/full"),
                                           scratch.path());
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "quillmarsh-cli: write error: На устройстве не осталось свободного места\n");
    }
}

TEST_F(CliTest, WhatEscapesTheCommandsEndsTheRunWithOneMessage)
{
#if QM_ADDRESS_SANITIZER
    GTEST_SKIP() << "AddressSanitizer maps terabytes of shadow memory: no limit on the address space fits it";
#endif
    // A first line of 180 MB is kept whole, as the track's header; in 150 MB
    // of address space the reader's memory runs out.
    std::string huge(180u << 20, 'x');
    huge += "OziExplorer Track Point File\r\n";
    work.Write("huge.plt", huge + track.substr(track.find('\n') + 1));
    huge = std::string();
    const test::CliRun run = test::RunCli({"visualise", "huge.plt", "--out", "out"}, work.path(), scratch.path(), 150u << 20);
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "quillmarsh-cli: out of memory\n");
    EXPECT_EQ(test::FileNames(work.File("out")), std::set<std::string>{});
}

TEST_F(CliTest, MultiByteDelimitersAreWrittenWhole)
{
    Track("a.plt");
    work.Write("Quillmarsh.ini", "[STATFORMAT]\r\nDECDELIM=\xE2\x80\xA2\r\nFIELDDELIM=\xE2\x86\x92\r\nHORDELIM=\x01\r\n");
    test::CliRun csv = Run({"stats", "a.plt", "--format", "csv"});
    EXPECT_EQ(csv.out.substr(0, csv.out.find('\n', 14)),
              "File: a.plt\nPart\xE2\x86\x92" "Date\xE2\x86\x92" "Dist\xE2\x86\x92" "Time sum\xE2\x86\x92"
              "Time mov\xE2\x86\x92" "Spd sum\xE2\x86\x92" "Spd mov\xE2\x86\x92" "Climb\xE2\x86\x92"
              "Min Hgt\xE2\x86\x92" "Max Hgt");
    EXPECT_NE(csv.out.find("\xE2\x86\x92" "0\xE2\x80\xA2"), std::string::npos);
    test::CliRun txt = Run({"stats", "a.plt"});
    // A control character is no delimiter: the rule is drawn with "-".
    EXPECT_NE(txt.out.find("\n-----"), std::string::npos);
}

}  // namespace
}  // namespace qm
