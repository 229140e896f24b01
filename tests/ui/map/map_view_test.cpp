#include "map_test_support.h"
#include "map/band_totals.h"
#include "platform/date_time_text.h"
#include "ui/map/map_legend.h"
#include "ui/map/map_view.h"
#include "ui/map/profile_chart.h"
#include "ui/map/trip_view.h"
#include "ui/ui_harness.h"

#include <QChart>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolTip>

#include <cmath>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

// Walking, cycling, driving, a break, cycling again, a quarter of an hour
// standing still and cycling on.
std::shared_ptr<const MapTrip> DayOut()
{
    return WalkedTrip(Join({Repeat(30, {4}), Repeat(20, {12}), Repeat(10, {30}), {{330, 1}}, Repeat(20, {12}),
                            Repeat(15, {0}), Repeat(10, {12})}));
}

class MapPicture : public testing::Test {
protected:
    MapPicture()
    {
        Settings settings;
        settings.TILEURL.clear();
        view.resize(700, 900);
        view.Show(trip, settings, QString::fromStdString(cache.path()));
        view.show();
        Settle();
        picture = view.Map()->grab().toImage();
    }
    QColor At(int pointIndex) const { return picture.pixelColor(view.Map()->ScreenPoint(pointIndex).toPoint()); }
    QColor Between(int a, int b) const
    {
        const QPointF middle = (view.Map()->ScreenPoint(a) + view.Map()->ScreenPoint(b)) / 2;
        return picture.pixelColor(middle.toPoint());
    }

    TempDir cache;
    std::shared_ptr<const MapTrip> trip = DayOut();
    TripView view;
    QImage picture;
};

TEST_F(MapPicture, RunsInTheirBandsColoursGapsAndStops)
{
    const auto& runs = trip->Visualisation.Runs;
    const auto& stops = trip->Visualisation.Stops;
    ASSERT_EQ(stops.size(), 1u);
    const int last = int(trip->Track.Points.size()) - 1;
    // Each run away from the markers of the start, the finish and the stop.
    int checked = 0;
    for (const SpeedRun& run : runs) {
        const int middle = (run.First + run.Last) / 2;
        auto far = [&](int marker) {
            const QPointF d = view.Map()->ScreenPoint(middle) - view.Map()->ScreenPoint(marker);
            return std::hypot(d.x(), d.y()) > 12;
        };
        if (!far(0) || !far(last) || !far(stops[0].First)) continue;
        EXPECT_EQ(At(middle), BandColor(*trip, run.Band)) << "run " << run.First << "-" << run.Last;
        ++checked;
    }
    EXPECT_GE(checked, 4);
    // The jump to the break point (index 61) is not drawn: no band's colour there.
    ASSERT_TRUE(trip->Track.Points[61].StartsPiece);
    const QColor gap = Between(60, 61);
    for (int band = 0; band < kBandCount; ++band) EXPECT_NE(gap, BandColor(*trip, band));

    EXPECT_EQ(At(stops[0].First), QColor(255, 255, 0));
    EXPECT_EQ(view.Map()->Note().toStdString(), "Подложка карты не задана: показана сетка широт и долгот");
}

TEST_F(MapPicture, LegendFiguresAreThoseOfTheRuns)
{
    auto label = [&](const std::string& name) {
        return Find<QLabel>(*view.Legend(), name.c_str())->text();
    };
    // Kilometres of a legend text ("9.82 км (57 %)"), within 0.5 % of the
    // speed times the time: the walk's 111 km a degree is not quite the
    // meridian's at 50° N.
    auto expectKilometres = [&](const std::string& name, double km) {
        const double shown = label(name).section(' ', 0, 0).toDouble();
        EXPECT_NEAR(shown, km, km * 0.005 + 0.005) << name << ": " << label(name).toStdString();
    };
    // Two-minute runs from the start and from the break: 30 minutes at 4 km/h,
    // 20 and 20 + 9 at 12, 10 at 30, 14 standing, and the last standing minute
    // with the first at 12 again (6 km/h). The jump to the break is no run.
    const struct {
        int band;
        double km;
        const char* time;
    } bands[] = {{0, 0, "0:14:00"},   {1, 2, "0:30:00"}, {2, 0.2, "0:02:00"}, {3, 9.8, "0:49:00"},
                 {4, 0, "0:00:00"},   {5, 0, "0:00:00"}, {6, 5, "0:10:00"},   {7, 0, "0:00:00"},
                 {8, 0, "0:00:00"},   {9, 0, "0:00:00"}};
    for (const auto& b : bands) {
        const std::string n = std::to_string(b.band);
        expectKilometres("distance" + n, b.km);
        EXPECT_TRUE(label("time" + n).startsWith(b.time)) << label("time" + n).toStdString();
    }
    expectKilometres("totalDistance", 17);
    EXPECT_EQ(label("totalTime").toStdString(), "1:45:00");
}

TEST_F(MapPicture, KeysZoomAndHomeFitsAgain)
{
    MapView& map = *view.Map();
    const int fitted = map.Zoom();
    const QPointF start = map.ScreenPoint(0);
    QTest::keyClick(&map, Qt::Key_Plus);
    QTest::keyClick(&map, Qt::Key_Plus);
    QTest::keyClick(&map, Qt::Key_Minus);
    EXPECT_EQ(map.Zoom(), fitted + 1);
    QTest::mouseMove(&map, QPoint(100, 100));
    QTest::mousePress(&map, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(&map, QPoint(130, 80));
    QTest::mouseRelease(&map, Qt::LeftButton, {}, QPoint(130, 80));
    QTest::keyClick(&map, Qt::Key_Home);
    EXPECT_EQ(map.Zoom(), fitted);
    EXPECT_EQ(map.ScreenPoint(0), start);
}

TEST_F(MapPicture, StopTellsItsTimesAndTheProfileCursorShowsItsPoint)
{
    const TrackStop& stop = trip->Visualisation.Stops[0];
    const QPoint at = view.Map()->ScreenPoint(stop.First).toPoint();
    QHelpEvent help(QEvent::ToolTip, at, view.Map()->mapToGlobal(at));
    QApplication::sendEvent(view.Map(), &help);
    const std::string tip = QToolTip::text().toStdString();
    EXPECT_NE(tip.find("Остановка 1\nНачало: " + DateTimeText(trip->Track.Points[stop.First].DateTime + 4 / 24.0)),
              std::string::npos)
        << tip;
    EXPECT_NE(tip.find("Длительность: " + DurationText(stop.Duration)), std::string::npos) << tip;
    EXPECT_NE(tip.find("points " + std::to_string(stop.First) + " - " + std::to_string(stop.Last) + " stop time "),
              std::string::npos)
        << tip;

    // The middle of the profile's time is the middle point of the track (a point a minute).
    int hovered = -1;
    QObject::connect(view.Profile(), &ProfileChart::PointHovered, [&](int index) { hovered = index; });
    QChart* chart = view.Profile()->chart();
    const QPoint middle = view.Profile()->mapFromScene(chart->mapToScene(chart->plotArea().center()));
    QTest::mouseMove(view.Profile()->viewport(), middle);
    const int expected = int(trip->Track.Points.size() - 1) / 2;
    EXPECT_NEAR(hovered, expected, 1);
    EXPECT_EQ(view.Map()->grab().toImage().pixelColor(view.Map()->ScreenPoint(hovered).toPoint()), QColor(0, 90, 255));
}

}  // namespace
}  // namespace qm::test
