#include "visual/proc_files.h"

#include "platform/date_time_text.h"
#include "support/test_support.h"
#include "visual/visual_test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// Real tracks visualised; every file written is compared byte for byte with
// the checked one in expected/<name>/.
TEST(VisualiseGolden, EveryFileEqualsTheCheckedOne)
{
    Settings fine;  // short interval, narrow line and a nine-field display line
    fine.TIMEINTRVL = 0.25, fine.TRACKWIDTH = 3, fine.DISPERSION = 15, fine.MINSPD = 3;
    const std::tuple<const char*, const char*, Settings> cases[] = {
        {"ozi1", "mapsoft2-programs-ms2conv-test_data-ozi1.plt", {}},                  // padded numbers
        {"full", "mapsoft2-programs-ms2xyz-test_data-20040222_full.plt", {}},          // two days, stops
        {"mountain", "mapsoft2-programs-ms2xyz-test_data-test.plt", {}},               // sparse, many stops
        {"short", "gpsbabel-reference-track-20070813_short.plt", fine}};
    const std::string data = QM_TEST_DATA "/visual/";
    UseFixedDateTimeFormats();
    for (const auto& [name, track, settings] : cases) {
        SCOPED_TRACE(name);
        test::TempDir out;
        test::RecordingSink sink;
        test::NoControls controls;
        ASSERT_TRUE(ProcFilesExecute(data + track, out.path(), ScaleBandBoxes(settings.CurrentScale()), settings,
                                     controls, sink));
        EXPECT_EQ(sink.messages, test::Texts{"трек обработан"});
        const std::string expected = data + "expected/" + name + "/";
        ASSERT_EQ(test::FileNames(out.path()), test::FileNames(expected));
        for (const std::string& file : test::FileNames(expected))
            EXPECT_TRUE(test::ReadAll(out.File(file)) == test::ReadAll(expected + file)) << file;
    }
}

}  // namespace
}  // namespace qm
