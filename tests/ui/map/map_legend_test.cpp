#include "map_test_support.h"
#include "ui/map/map_legend.h"
#include "ui/ui_harness.h"

#include <QCheckBox>
#include <QLabel>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

// A day and an hour at 12 km/h, then ten minutes at 4 km/h.
TEST(MapLegend, ReadsAsTheStatisticsWriteNumbersAndLongTimes)
{
    Settings settings;
    settings.DECDELIM = ",";
    settings.NUMDIGITS = 1;
    const auto trip = WalkedTrip(Join({Repeat(1500, {12}), Repeat(10, {4})}), settings);
    MapLegend legend;
    legend.SetTrip(trip.get(), settings);
    legend.show();
    auto text = [&](const std::string& name) { return Find<QLabel>(legend, name.c_str())->text().toStdString(); };
    const std::string fast = std::to_string(FindBand(trip->Visualisation.Bands, 12));
    const std::string slow = std::to_string(FindBand(trip->Visualisation.Bands, 4));
    const struct {
        std::string label, text;
    } expected[] = {
        {"time" + fast, "1 д 01:00:00 (99 %)"},
        {"distance" + fast, "300,0 км (100 %)"},
        {"time" + slow, "0:10:00 (< 1 %)"},
        {"distance" + slow, "0,7 км (< 1 %)"},
        {"totalTime", "1 д 01:10:00"},
        {"totalDistance", "300,7 км"},
        {"pauseTime", "0:00:00"},
        {"maxSpeed", "12,0 км/ч"},
        {"range9", "> 40 км/ч"},
        {"range0", "0–2 км/ч"},
        {"distance0", ""},
    };
    for (const auto& e : expected) EXPECT_EQ(text(e.label), e.text) << e.label;

    // Bands without a run are greyed, or hidden on the user's word.
    EXPECT_FALSE(Find<QLabel>(legend, "range0")->isEnabled());
    EXPECT_TRUE(Find<QLabel>(legend, ("range" + fast).c_str())->isEnabled());
    Find<QCheckBox>(legend, "emptyBands")->setChecked(false);
    EXPECT_FALSE(Find<QLabel>(legend, "range0")->isVisible());
    EXPECT_TRUE(Find<QLabel>(legend, ("range" + fast).c_str())->isVisible());
    // Swatches large enough to tell the colours apart.
    EXPECT_GE(Find<QLabel>(legend, "swatch0")->pixmap().width(), 32);
}

TEST(MapLegend, LongTimes)
{
    EXPECT_EQ(LegendDuration(2 + (3 * 3600 + 15 * 60) / 86400.0).toStdString(), "2 д 03:15:00");
    EXPECT_EQ(LegendDuration(0.5).toStdString(), "12:00:00");
    EXPECT_EQ(LegendDuration(1).toStdString(), "1 д 00:00:00");
}

}  // namespace
}  // namespace qm::test
