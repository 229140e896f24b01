#include "visual/proc_files.h"

#include "platform/date_time_text.h"
#include "support/test_support.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// Visualises a real track and compares every file written with the one in
// expected/<name>/, byte for byte.
void ExpectGolden(const std::string& name, const std::string& track, Settings settings = {})
{
    const std::string data = QM_TEST_DATA "/visual/";
    UseFixedDateTimeFormats();
    test::TempDir out;
    test::RecordingSink sink;
    test::NoControls controls;
    ASSERT_TRUE(ProcFilesExecute(data + track, out.path(), ScaleBandBoxes(settings.CurrentScale()), settings,
                                 controls, sink));
    EXPECT_EQ(sink.messages, std::vector<std::string>{"трек обработан"});

    const std::string expected = data + "expected/" + name + "/";
    ASSERT_EQ(test::FileNames(out.path()), test::FileNames(expected));
    for (const std::string& file : test::FileNames(expected))
        EXPECT_TRUE(test::ReadAll(out.File(file)) == test::ReadAll(expected + file)) << name << "/" << file;
}

TEST(VisualiseGolden, ThreePiecesWithPaddedNumbers)
{
    ExpectGolden("ozi1", "mapsoft2-programs-ms2conv-test_data-ozi1.plt");
}

TEST(VisualiseGolden, TwoDaysInElevenPiecesWithStops)
{
    ExpectGolden("full", "mapsoft2-programs-ms2xyz-test_data-20040222_full.plt");
}

TEST(VisualiseGolden, SparseMountainTrackWithManyStops)
{
    ExpectGolden("mountain", "mapsoft2-programs-ms2xyz-test_data-test.plt");
}

TEST(VisualiseGolden, ShortIntervalNarrowLineAndANineFieldDisplayLine)
{
    Settings settings;
    settings.TIMEINTRVL = 0.25;
    settings.TRACKWIDTH = 3;
    settings.DISPERSION = 15;
    settings.MINSPD = 3;
    ExpectGolden("short", "gpsbabel-reference-track-20070813_short.plt", settings);
}

}  // namespace
}  // namespace qm
