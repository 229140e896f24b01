// Broken and absurd settings files (tests/data/settings): the program starts
// with what it could read, the rest at its defaults; the next save writes a
// file that loads without a message, and leaves a file whose load stopped as
// it is. Absurd values that load must not upset
// the commands.
#include "robustness/robustness_support.h"

#include "platform/date_time_text.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "settings/settings_file.h"
#include "commands/statistics.h"
#include "stats/report.h"
#include "stats/report_save.h"
#include "support/test_support.h"
#include "commands/command_test_support.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <sstream>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace qm {
namespace {

using Texts = std::vector<std::string>;

struct Loaded {
    Settings settings;
    FilesSettings files;
    std::optional<std::string> error;
};

void Load(const std::string& path, Loaded& loaded)
{
    LoadedSettings read = LoadSettings(path, loaded.settings);
    loaded.files = read.PlainFiles();
    if (read.Error) loaded.error = read.Error->what();
}

// The next save, into a new file and over the file itself: both load cleanly
// and give back what was saved. A file whose load stopped is not saved over.
void ExpectTheNextSaveLoadsCleanly(const std::string& file, const Loaded& loaded)
{
    test::TempDir dir;
    IniFile fresh(dir.File("fresh.ini"));
    WriteSettings(fresh, loaded.settings, loaded.files);
    fresh.UpdateFile();

    Settings settings = loaded.settings;
    settings.StartDir = dir.path();
    settings.SettingsChanged = true;
    dir.Write("Quillmarsh.ini", test::ReadAll(file));
    test::RecordingSink sink;
    EXPECT_TRUE(SaveSettings(settings, loaded.files, sink));
    std::vector<std::string> savedFiles = {dir.File("fresh.ini")};
    if (loaded.error) {
        EXPECT_EQ(test::ReadAll(dir.File("Quillmarsh.ini")), test::ReadAll(file));
        EXPECT_EQ(sink.messages.size(), 1u);
    } else {
        savedFiles.push_back(dir.File("Quillmarsh.ini"));
    }

    for (const std::string& saved : savedFiles) {
        SCOPED_TRACE(saved);
        Loaded again;
        Load(saved, again);
        EXPECT_EQ(again.error, std::nullopt);
        IniFile text(saved);
        WriteSettings(text, again.settings, again.files);
        EXPECT_EQ(text.Text(), fresh.Text());
    }
}

struct Case {
    std::string file;
    std::string error;  // empty when the file loads
    std::function<void(const Loaded&)> check;
};

const ScaleBands kDefault = DefaultBands();

const std::vector<Case> kCases = {
    {"garbage-values.ini", "",
     [](const Loaded& l) {
         const Settings& s = l.settings;
         const Settings d;
         // Numbers that do not convert give their defaults; texts stay.
         EXPECT_EQ(l.files.TRACKFILE, "/no/such/track.plt");
         EXPECT_EQ(l.files.FOLDERTYPE, 0);
         EXPECT_FALSE(l.files.SUBFOLDER);
         EXPECT_EQ(l.files.FOLDERNAME, "\x01\x02");
         EXPECT_EQ(s.TIMEINTRVL, d.TIMEINTRVL);
         EXPECT_EQ(s.TRACKWIDTH, d.TRACKWIDTH);
         EXPECT_EQ(s.DISPERSION, d.DISPERSION);
         EXPECT_EQ(s.CURRENTSCALE, 0);
         EXPECT_EQ(s.Scales[0].Name, "");
         EXPECT_EQ(s.Scales[1].Name, "two words");
         EXPECT_EQ(s.Scales[2].Name, "йи");  // Windows-1251
         EXPECT_EQ(s.MINSPD, d.MINSPD);
         EXPECT_TRUE(s.SPLTDIST);
         EXPECT_EQ(s.MAXBREAK, d.MAXBREAK);
         EXPECT_TRUE(s.SPLTTIME);
         EXPECT_EQ(s.MAXSTOP, d.MAXSTOP);
         EXPECT_EQ(s.MAXSLOPE, d.MAXSLOPE);
         EXPECT_EQ(s.HGTSPAN, d.HGTSPAN);
         EXPECT_EQ(s.GMTMOD, d.GMTMOD);
         EXPECT_EQ(s.SHOWFIELD, (std::array<bool, 12>{false, true, false, false, false, true, true, true, true, true,
                                                      true, true}));
         EXPECT_EQ(s.SHOWLEVEL, (std::array<bool, 3>{true, false, false}));
         EXPECT_EQ(s.DECDELIM, ",");
         EXPECT_EQ(s.FIELDDELIM, "|");
         EXPECT_EQ(s.HORDELIM, "=");
         EXPECT_EQ(s.NUMDIGITS, d.NUMDIGITS);
     }},
    {"scaledata-letter.ini", "'45O55' is not a valid integer value",
     [](const Loaded& l) {
         const Settings& s = l.settings;
         EXPECT_EQ(s.TIMEINTRVL, 3);
         EXPECT_EQ(s.CURRENTSCALE, 1);
         EXPECT_EQ(s.Scales[0].Name, "Walk");
         EXPECT_EQ(s.Scales[1].Name, "2");
         // Read up to the failing field; the rest of the file is not read.
         EXPECT_EQ(s.Scales[0].Categories[2].Upper, 10);
         EXPECT_EQ(s.MINSPD, 1);
         EXPECT_EQ(s.NUMDIGITS, 1);
     }},
    {"scaledata-missing-semicolon.ini", "'' is not a valid integer value",
     [](const Loaded& l) {
         EXPECT_EQ(l.settings.Scales[1].Name, "Bike");
         EXPECT_EQ(l.settings.Scales[1].Categories[9].Upper, 1000);
         EXPECT_EQ(l.settings.Scales[2].Name, "3");
         EXPECT_EQ(l.settings.GMTMOD, 4);
     }},
    {"random-bytes.ini", "",
     [](const Loaded& l) {
         IniFile loaded("loaded"), defaults("defaults");
         WriteSettings(loaded, l.settings, l.files);
         WriteSettings(defaults, Settings(), FilesSettings());
         EXPECT_EQ(loaded.Text(), defaults.Text());
     }},
    {"absurd-values.ini", "",
     [](const Loaded& l) {
         const Settings& s = l.settings;
         EXPECT_EQ(s.TIMEINTRVL, 1e-300);
         EXPECT_EQ(s.DISPERSION, -50);
         EXPECT_EQ(s.CURRENTSCALE, 0);  // no such scale
         EXPECT_EQ(s.Scales[0].Categories[0].Lower, INT32_MAX);
         EXPECT_EQ(s.HGTSPAN, 0);
         EXPECT_EQ(s.GMTMOD, INT32_MAX);
         EXPECT_EQ(s.DECDELIM, "é");
         EXPECT_EQ(s.FIELDDELIM, "ÿ");
         EXPECT_EQ(s.HORDELIM, "-");  // U+0080 is a control character
         EXPECT_EQ(s.NUMDIGITS, 99999);
     }},
    {"old-cut-in-scale-block.ini", "'' is not a valid floating point value",
     [](const Loaded& l) {
         const Settings& s = l.settings;
         EXPECT_EQ(s.TIMEINTRVL, 4);
         EXPECT_EQ(s.TRACKWIDTH, 3);
         EXPECT_EQ(s.CURRENTSCALE, 2);
         EXPECT_EQ(s.Scales[0].Name, "Walk");
         EXPECT_EQ(s.Scales[1].Name, "Bike");
         EXPECT_EQ(s.Scales[1].Categories[3].Upper, 15);
         EXPECT_EQ(s.Scales[2].Name, "3");
         EXPECT_EQ(s.Scales[2].Categories[9].Upper, kDefault[9].Upper);
     }},
    {"old-band-line-without-commas.ini", "'' is not a valid floating point value",
     [](const Loaded& l) { EXPECT_EQ(l.settings.Scales[1].Categories[5].Upper, 25); }},
    {"old-garbage-values.ini", "'abc' is not a valid integer value",
     [](const Loaded& l) {
         EXPECT_EQ(l.settings.TRACKWIDTH, 3);
         EXPECT_EQ(l.settings.TIMEINTRVL, 2);
         EXPECT_EQ(l.settings.CURRENTSCALE, 0);
     }},
    {"old-scale-count-and-index-out-of-range.ini", "",
     [](const Loaded& l) {
         EXPECT_EQ(l.settings.CURRENTSCALE, 0);
         EXPECT_EQ(l.settings.Scales[0].Name, "1");
         EXPECT_EQ(l.settings.TRACKWIDTH, 10);
         EXPECT_EQ(l.settings.TIMEINTRVL, 2);
     }},
};

TEST(BrokenSettings, StartWithWhatCouldBeReadAndSaveAValidFile)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.file);
        const std::string path = QM_TEST_DATA "/settings/" + c.file;
        Loaded loaded;
        Load(path, loaded);
        EXPECT_EQ(loaded.error.value_or(""), c.error);
        c.check(loaded);
        ExpectTheNextSaveLoadsCleanly(path, loaded);
    }
}

size_t CharacterCount(const std::string& utf8)
{
    return std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

// Values no dialog offers, but a hand-edited file can hold: both commands and
// both reports still run to their end on a real track.
TEST(BrokenSettings, AbsurdValuesDoNotUpsetTheCommands)
{
    UseFixedDateTimeFormats();
    Loaded loaded;
    Load(QM_TEST_DATA "/settings/absurd-values.ini", loaded);
    ASSERT_EQ(loaded.error, std::nullopt);
    Settings settings = loaded.settings;
    const std::string track = QM_TEST_DATA "/tracks/mapsoft2-programs-ms2xyz-test_data-20040222_full.plt";
    test::TempDir dir;
    test::RecordingSink sink;
    ASSERT_TRUE(test::VisualiseAndShow(track, dir.path(), settings, sink));
    // Every slow step opens a stop and the next point, outside a box of
    // negative size, ends it: hundreds of waypoints, each whole.
    std::istringstream stops(test::ReadAll(dir.File("mapsoft2-programs-ms2xyz-test_data-20040222_full_stop.wpt")));
    int lines = 0;
    for (std::string line; std::getline(stops, line); ++lines) {
        if (lines < 4) continue;
        EXPECT_EQ(line.substr(0, line.find(',')), std::to_string(lines - 3));
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 23);
    }
    EXPECT_GT(lines, 200);

    StatTable table = *TrackStatistics(track, settings, sink);
    for (ReportFormat format : {ReportFormat::Txt, ReportFormat::Csv}) {
        Report report = BuildReport(table, settings, track, dir.path(), format);
        ASSERT_EQ(report.Lines.size(), table.size() + (format == ReportFormat::Txt ? 3 : 2));
        for (size_t i = 2; format == ReportFormat::Txt && i < report.Lines.size(); ++i)
            EXPECT_EQ(CharacterCount(report.Lines[i]), CharacterCount(report.Lines[1]));
        SaveReport(report);
    }
    // MINSPD 1e300: nothing moves. A negative MAXBREAK makes every segment a
    // gap, which leaves every other segment out: half the distance of 90.8 km.
    // 18 decimals at most, "é" as their separator.
    EXPECT_EQ(table[0].TimeMov, 0);
    Report csv = BuildReport(table, settings, track, dir.path(), ReportFormat::Csv);
    EXPECT_EQ(csv.Lines[2].substr(0, 33), "Trackÿÿ45é515020000000000000ÿ");
}

TEST(BrokenSettings, AnIntervalThatIsZeroInDaysIsRefused)
{
    test::TempDir dir;
    dir.Write("Quillmarsh.ini", "[VISUAL]\r\nTIMEINTRVL=3e-321\r\n");
    Loaded loaded;
    Load(dir.File("Quillmarsh.ini"), loaded);
    ASSERT_GT(loaded.settings.TIMEINTRVL, 0);
    test::RecordingSink sink;
#ifndef _WIN32
    // The pass would never end: end the test instead of hanging.
    ::alarm(20);
#endif
    EXPECT_FALSE(test::VisualiseAndShow(QM_TEST_DATA "/tracks/mapsoft2-programs-ms2conv-test_data-ozi1.plt",
                                        dir.path(), loaded.settings, sink));
#ifndef _WIN32
    ::alarm(0);
#endif
    EXPECT_EQ(sink.messages, Texts{"Интервал расчета должен быть больше 0."});
}

}  // namespace
}  // namespace qm
