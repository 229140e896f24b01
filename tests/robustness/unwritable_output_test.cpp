// Output that cannot be written: the command reports it, leaves no file
// half-written under a result name, keeps the files finished before the
// failure, and never touches the track; a failed settings save keeps the old
// file.
#include "robustness/robustness_support.h"
#include "robustness/system_limits.h"

#include "platform/date_time_text.h"
#include "platform/file_system.h"
#include "formats/ozi/ozi_text.h"
#include "settings/settings_file.h"
#include "stats/report.h"
#include "stats/report_save.h"
#include "support/test_support.h"
#include "commands/command_test_support.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {
namespace {

using Texts = std::vector<std::string>;
using Names = std::set<std::string>;

const std::string kSmall = "mapsoft2-programs-ms2conv-test_data-ozi1";  // bands 2 and 10
const std::string kSmallExpected = QM_TEST_DATA "/golden/ozi1/visualise/";
const std::string kLarge = "gpsbabel-derived-reference-track-dg100";  // eight bands, 740 kB
const std::string kLargeExpected = QM_TEST_DATA "/golden/dg100/visualise/";

struct UnwritableOutput : ::testing::Test {
    void SetUp() override { UseFixedDateTimeFormats(); }

    // The track copied into the test's directory, so that a write to it would show.
    std::string CopyTrack(const std::string& name)
    {
        std::string path = dir.Write(name + ".plt", test::ReadAll(QM_TEST_DATA "/tracks/" + name + ".plt"));
        before = test::StateOf(path);
        return path;
    }

    bool Visualise(const std::string& track, const std::string& out)
    {
        Settings settings;
        return test::VisualiseAndShow(track, out, settings, sink);
    }

    // Every result file in out is complete: it equals its checked version.
    static void ExpectOnlyCompleteFiles(const std::string& out, const std::string& expected,
                                        const std::string& track = "")
    {
        EXPECT_FALSE(test::HasTemporaryFiles(out));
        for (const std::string& name : test::FileNames(out)) {
            if (name == track || !std::filesystem::is_regular_file(out + "/" + name)) continue;
            EXPECT_TRUE(test::ReadAll(out + "/" + name) == test::ReadAll(expected + name)) << name;
        }
    }

    test::TempDir dir;
    test::RecordingSink sink;
    test::FileState before;
};

TEST_F(UnwritableOutput, DirectoryThatCannotBeCreated)
{
    const std::string track = CopyTrack(kSmall);
    const std::string file = dir.Write("file", "not a directory");
    // Under a regular file, a regular file itself, and below a missing parent.
    const std::pair<std::string, std::string> cases[] = {
        {file + "/out", "Это не каталог"}, {file, "Файл существует"}, {dir.File("missing/out"), "Нет такого файла или каталога"}};
    for (const auto& [out, reason] : cases) {
        sink = test::RecordingSink();
        EXPECT_FALSE(Visualise(track, out));
        EXPECT_EQ(sink.messages, Texts{"Не удается создать директорию " + out + "! " + reason});
        EXPECT_EQ(sink.errors, Texts{});
    }
    EXPECT_EQ(test::ReadAll(file), "not a directory");
    EXPECT_EQ(test::FileNames(dir.path()), (Names{"file", kSmall + ".plt"}));
    EXPECT_EQ(test::StateOf(track), before);

    Report report;
    report.FileName = file + "/" + kSmall + "_stat.txt";
    EXPECT_EQ(test::ErrorText([&] { SaveReport(report); }),
              "Не удается создать файл \"" + report.FileName + "\". Это не каталог");
}

TEST_F(UnwritableOutput, ResultNameTakenByADirectory)
{
    // The output directory is the track's own.
    const std::string track = CopyTrack(kSmall);
    const std::string band10 = dir.File(kSmall + "_10.plt");
    // The second band's name: the first band's file is finished and stays.
    ASSERT_EQ(::mkdir(band10.c_str(), 0755), 0);
    EXPECT_FALSE(Visualise(track, dir.path()));
    EXPECT_EQ(sink.errors, Texts{"Не удается создать файл \"" + band10 + "\". Это каталог"});
    EXPECT_EQ(test::FileNames(dir.path()), (Names{kSmall + ".plt", kSmall + "_10.plt", kSmall + "_2.plt"}));
    ExpectOnlyCompleteFiles(dir.path(), kSmallExpected, kSmall + ".plt");

    // The stop file's name: every band file is written.
    const std::string stop = dir.File(kSmall + "_stop.wpt");
    ASSERT_EQ(::rmdir(band10.c_str()), 0);
    ASSERT_EQ(::mkdir(stop.c_str(), 0755), 0);
    sink = test::RecordingSink();
    EXPECT_FALSE(Visualise(track, dir.path()));
    EXPECT_EQ(sink.errors, Texts{"Не удается создать файл \"" + stop + "\". Это каталог"});
    EXPECT_EQ(sink.messages, Texts{});
    EXPECT_EQ(test::FileNames(dir.path()).size(), 4u);
    ExpectOnlyCompleteFiles(dir.path(), kSmallExpected, kSmall + ".plt");
    EXPECT_EQ(test::StateOf(track), before);
}

TEST_F(UnwritableOutput, FilesBeyondASizeLimitFailInBandOrder)
{
    const std::string track = CopyTrack(kLarge);
    const std::string out = dir.File("out");
    {
        // Band 2 (7 kB) fits; band 5 (14 kB) does not, nor do three later bands.
        test::FileSizeLimit limit(12000);
        EXPECT_FALSE(Visualise(track, out));
    }
    EXPECT_EQ(sink.errors, Texts{"Не удалось записать файл \"" + out + "/" + kLarge + "_5.plt\". Файл слишком велик"});
    EXPECT_EQ(test::FileNames(out), Names{kLarge + "_2.plt"});
    ExpectOnlyCompleteFiles(out, kLargeExpected);
    EXPECT_EQ(test::StateOf(track), before);
}

// A band file of more than the writer's buffer fails while it is written; the
// bands before it in band order are all finished.
TEST_F(UnwritableOutput, BandFailingWhileWrittenKeepsEveryBandBeforeIt)
{
    // Sections at 1.5, 3, 7 and 12 km/h, one point a minute: bands 2, 5, 10
    // and 15 with about 0.2, 0.6, 1.0 and 1.5 MB of point lines. The writer
    // of band 15 passes the limit when it first empties its 1 MB buffer.
    std::string text = "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\nReserved 3\r\n"
                       "0,2,255,,0,0,2,8421376\r\n0\r\n";
    double latitude = 10;  // to 77°
    double time = 40000;
    for (auto [speed, count] : {std::pair{1.5, 3000}, {3.0, 10000}, {7.0, 16000}, {12.0, 25000}}) {
        for (int i = 0; i < count; ++i) {
            text += FixedWidthNumber(9, latitude) + ",30.000000,0,100," + FixedWidthNumber(13, time) + ",,\r\n";
            latitude += speed / 60 / 111;
            time += 1.0 / 1440;
        }
    }
    const std::string track = dir.Write("walk.plt", text);
    const std::string reference = dir.File("reference");
    ASSERT_TRUE(Visualise(track, reference));
    ASSERT_EQ(test::FileNames(reference),
              (Names{"walk_10.plt", "walk_15.plt", "walk_2.plt", "walk_5.plt", "walk_stop.wpt"}));

    const std::string out = dir.File("out");
    sink = test::RecordingSink();
    {
        test::FileSizeLimit limit(1000000);
        EXPECT_FALSE(Visualise(track, out));
    }
    EXPECT_EQ(sink.errors, Texts{"Не удалось записать файл \"" + out + "/walk_15.plt\". Файл слишком велик"});
    EXPECT_EQ(test::FileNames(out), (Names{"walk_10.plt", "walk_2.plt", "walk_5.plt"}));
    ExpectOnlyCompleteFiles(out, reference + "/");
}

TEST_F(UnwritableOutput, ReadOnlyFileSystem)
{
    const std::string track = CopyTrack(kSmall);
    const std::string out = dir.File("out");
    ASSERT_TRUE(CreateDir(out));
    test::SmallFileSystem disk(out, "64k");
    if (!disk.MakeReadOnly()) GTEST_SKIP() << "no tmpfs can be mounted here";

    EXPECT_FALSE(Visualise(track, out));
    EXPECT_EQ(sink.errors, Texts{"Не удается создать файл \"" + out + "/" + kSmall + "_2.plt\". Файловая система доступна только для чтения"});
    EXPECT_EQ(test::FileNames(out), Names{});

    Report report;
    report.FileName = out + "/" + kSmall + "_stat.txt";
    EXPECT_EQ(test::ErrorText([&] { SaveReport(report); }),
              "Не удается создать файл \"" + report.FileName + "\". Файловая система доступна только для чтения");
    EXPECT_EQ(test::StateOf(track), before);
}

TEST_F(UnwritableOutput, FullDisk)
{
    const std::string track = CopyTrack(kLarge);
    const std::string out = dir.File("out");
    ASSERT_TRUE(CreateDir(out));
    test::SmallFileSystem disk(out, "64k");
    if (!disk.Mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";

    // The bands up to 35 km/h take 56 kB in blocks of 4 kB; band 40 (19 kB) no longer fits.
    EXPECT_FALSE(Visualise(track, out));
    EXPECT_EQ(sink.errors, Texts{"Не удалось записать файл \"" + out + "/" + kLarge + "_40.plt\". На устройстве не осталось свободного места"});
    EXPECT_EQ(test::FileNames(out).size(), 6u);
    ExpectOnlyCompleteFiles(out, kLargeExpected);

    // A report on the disk filled to the last byte.
    test::FillUp(out + "/filler");
    Report report;
    report.FileName = out + "/" + kLarge + "_stat.txt";
    report.Lines.assign(100, std::string(100, '-'));
    EXPECT_EQ(test::ErrorText([&] { SaveReport(report); }),
              "Не удалось записать файл \"" + report.FileName + "\". На устройстве не осталось свободного места");
    EXPECT_FALSE(FileExists(report.FileName));
    EXPECT_FALSE(test::HasTemporaryFiles(out));
    EXPECT_EQ(test::StateOf(track), before);
}

// A settings file in a place that cannot take the new one: the old file stays
// as it was, in either form.
TEST_F(UnwritableOutput, SettingsSaveThatFailsKeepsTheOldFile)
{
    const std::string start = dir.File("start");
    ASSERT_TRUE(CreateDir(start));
    test::SmallFileSystem disk(start, "16k");
    if (!disk.Mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";
    const std::string path = start + "/Quillmarsh.ini";
    Settings settings;
    settings.StartDir = start;
    FilesSettings files;

    const std::string ini = "[VISUAL]\r\nTIMEINTRVL=9\r\n";
    dir.Write("start/Quillmarsh.ini", ini);
    test::FillUp(start + "/filler");
    settings.SettingsChanged = true;
    EXPECT_FALSE(SaveSettings(settings, files, sink));
    EXPECT_EQ(sink.errors, Texts{"Не удается записать в файл " + path});
    EXPECT_EQ(test::ReadAll(path), ini);
    EXPECT_FALSE(test::HasTemporaryFiles(start));

    const std::string old = std::string(kOldSettingsMarker) + "\r\nTIMEINTRVL=3\r\n";
    ASSERT_TRUE(std::filesystem::remove(start + "/filler"));
    dir.Write("start/Quillmarsh.ini", old);
    ASSERT_TRUE(disk.MakeReadOnly());
    sink = test::RecordingSink();
    EXPECT_FALSE(SaveSettings(settings, files, sink));
    EXPECT_EQ(sink.messages, Texts{"Невозможно удалить файл Quillmarsh.ini"});
    EXPECT_EQ(sink.errors, Texts{"Не удается записать в файл " + path});
    EXPECT_EQ(test::ReadAll(path), old);
}

}  // namespace
}  // namespace qm
