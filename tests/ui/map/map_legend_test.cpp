#include "map_test_support.h"
#include "ui/interface_language.h"
#include "ui/map/map_legend.h"
#include "ui/map/map_marks.h"
#include "ui/map/trip_view.h"
#include "ui/ui_harness.h"

#include <QCheckBox>
#include <QLayout>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

const LegendCell* CellOf(const MapLegend& legend, const std::string& name)
{
    for (const LegendRow& row : legend.Layout().Rows)
        for (const LegendCell& cell : row.Cells)
            if (cell.Name == name) return &cell;
    return nullptr;
}

// A day and an hour at 12 km/h, then ten minutes at 4 km/h.
TEST(MapLegend, ReadsAsTheStatisticsWriteNumbersAndLongTimes)
{
    Settings settings;
    // The report's own separator: the legend writes the interface's.
    settings.DECDELIM = ".";
    settings.NUMDIGITS = 1;
    settings.GMTMOD = -3;
    const auto trip = WalkedTrip(Join({Repeat(1500, {12}), Repeat(10, {4})}), settings);
    MapLegend legend;
    legend.SetTrip(trip.get(), settings);
    legend.show();
    auto text = [&](const std::string& name) { return legend.CellText(name).toStdString(); };
    const std::string fast = std::to_string(FindBand(trip->Visualisation.Bands, 12));
    const std::string slow = std::to_string(FindBand(trip->Visualisation.Bands, 4));
    const struct {
        std::string cell, text;
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
        {"zone", "Часовой пояс: UTC−3"},
    };
    for (const auto& e : expected) EXPECT_EQ(text(e.cell), e.text) << e.cell;
    EXPECT_NE(CellOf(legend, "maxSpeed")->Tip.find("средних за интервал расчета 2 мин"), std::string::npos);
    InstallInterfaceLanguage(Language::English);
    Settle();
    EXPECT_EQ(text("totalDistance"), "300.7 km");
    EXPECT_EQ(text("totalTime"), "1 d 01:10:00");
    InstallInterfaceLanguage(Language::Russian);
    Settle();

    // Bands without a run are greyed, or hidden on the user's word.
    EXPECT_TRUE(CellOf(legend, "range0")->Dim);
    EXPECT_FALSE(CellOf(legend, "range" + fast)->Dim);
    Find<QCheckBox>(legend, "emptyBands")->setChecked(false);
    EXPECT_EQ(CellOf(legend, "range0"), nullptr);
    EXPECT_NE(CellOf(legend, "range" + fast), nullptr);
    // Swatches large enough to tell the colours apart.
    EXPECT_GE(CellOf(legend, "swatch" + fast)->Box.Width, 32);
}

TEST(MapLegend, LongTimes)
{
    EXPECT_EQ(ShownDuration(2 + (3 * 3600 + 15 * 60) / 86400.0).toStdString(), "2 д 03:15:00");
    EXPECT_EQ(ShownDuration(0.5).toStdString(), "12:00:00");
    EXPECT_EQ(ShownDuration(1).toStdString(), "1 д 00:00:00");
}

// The sample drawn as quillmarsh-render draws it, at the sizes a picture is
// made in, in both languages: every cell of the legend whole, inside the
// legend, and the legend inside the picture.
TEST(MapLegend, WholeInEveryPicture)
{
    Settings settings;
    settings.TILEURL.clear();
    settings.GMTMOD = 4;
    RecordingSink sink;
    const auto trip = LoadMapTrip(QM_SAMPLE_TRACK, ScaleBandBoxes(settings.CurrentScale()), settings, sink);
    ASSERT_TRUE(trip);
    TempDir cache;
    for (Language language : {Language::Russian, Language::English}) {
        InstallInterfaceLanguage(language);
        for (const QSize size : {QSize(800, 600), QSize(1100, 760), QSize(1400, 900), QSize(1920, 1080)}) {
            SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height() << " " << int(language));
            TripView view;
            view.layout()->setSizeConstraint(QLayout::SetNoConstraint);
            view.resize(size);
            view.Show(trip, settings, QString::fromStdString(cache.path()));
            view.show();
            view.grab();
            const MapLegend& legend = *view.Legend();
            EXPECT_TRUE(view.rect().contains(QRect(legend.mapTo(&view, QPoint(0, 0)), legend.size())));
            QFont bold = legend.font();
            bold.setBold(true);
            int texts = 0;
            for (const LegendRow& row : legend.Layout().Rows) {
                for (const LegendCell& cell : row.Cells) {
                    SCOPED_TRACE(cell.Text);
                    const QRectF box(cell.Box.Left, cell.Box.Top, cell.Box.Width, cell.Box.Height);
                    EXPECT_TRUE(QRectF(legend.rect()).contains(box));
                    const QFontMetricsF metrics(cell.Bold ? bold : legend.font());
                    EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(cell.Text)), box.width());
                    EXPECT_LE(metrics.height(), box.height() + 1);
                    texts += !cell.Text.empty();
                }
            }
            EXPECT_GE(texts, 35);
            const std::string zone = language == Language::Russian ? "Часовой пояс: UTC+4" : "Time zone: UTC+4";
            EXPECT_EQ(legend.CellText("zone").toStdString(), zone);
        }
    }
    InstallInterfaceLanguage(Language::Russian);
}

}  // namespace
}  // namespace qm::test
