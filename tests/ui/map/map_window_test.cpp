#include "commands/statistics.h"
#include "ui/map/map_view.h"
#include "ui/map/map_window.h"
#include "ui/map/trip_view.h"
#include "ui/ui_harness.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

class MapWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        program.settings.TILEURL.clear();
        program.Start();
        program.Main().LoadTrackFile(QM_SAMPLE_TRACK);
    }
    MapWindow& Map() { return *program.windows.mapWindow; }
    std::string Label(QWidget& window, const char* name) { return Find<QLabel>(window, name)->text().toStdString(); }
    std::string Legend(const char* name) { return Label(*Map().View(), name); }

    Program program;
};

TEST_F(MapWindowTest, CompanionOfTheMainWindowOnTheSampleTrack)
{
    Click(program.Main(), "BtnMap");
    Settle();
    EXPECT_TRUE(Map().isVisible());
    EXPECT_TRUE(program.Main().isEnabled());
    EXPECT_FALSE(Map().testAttribute(Qt::WA_QuitOnClose));
    EXPECT_EQ(Map().windowTitle().toStdString(), "Карта — sample.plt");
    EXPECT_TRUE(program.dialogs.boxes.empty());

    // The runs cover the sample but for the jumps to its break points: the
    // legend's distance is the report's to the report's tenth of a kilometre.
    RecordingSink sink;
    const std::optional<StatTable> table = TrackStatistics(QM_SAMPLE_TRACK, program.settings, sink);
    ASSERT_TRUE(table);
    const double legend = QString::fromStdString(Legend("totalDistance")).section(' ', 0, 0).toDouble();
    EXPECT_EQ(QString::number(legend, 'f', 1), QString::number(table->front().Dist, 'f', 1));

    // A new scale redraws it.
    program.settings.Scales[1].Categories[0].Upper = 3;
    program.settings.CURRENTSCALE = 1;
    program.Main().ShowScale(program.settings.CurrentScale());
    EXPECT_EQ(Legend("range0"), "0–3 км/ч");

    Map().resize(900, 650);
    Map().close();
    EXPECT_EQ(program.settings.MAPWIDTH, 900);
    EXPECT_EQ(program.settings.MAPHEIGHT, 650);
}

TEST_F(MapWindowTest, TrackThatCannotBeReadSaysWhy)
{
    program.Main().LoadTrackFile(program.dir.Write("empty.plt", ""));
    Click(program.Main(), "BtnMap");
    ASSERT_EQ(program.dialogs.boxes.size(), 1u);
    EXPECT_EQ(Label(Map(), "mapMessages"), program.dialogs.boxes[0]);
    EXPECT_EQ(Legend("totalDistance"), "");
}

}  // namespace
}  // namespace qm::test
