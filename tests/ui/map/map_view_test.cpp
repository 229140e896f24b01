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
    BandTotals totals{};
    double distance = 0;
    for (const SpeedRun& run : trip->Visualisation.Runs) {
        totals[run.Band].Distance += run.Distance;
        totals[run.Band].Duration += run.Duration;
        distance += run.Distance;
    }
    auto label = [&](const std::string& name) {
        return Find<QLabel>(*view.Legend(), name.c_str())->text().toStdString();
    };
    for (int band = 0; band < kBandCount; ++band) {
        const std::string n = std::to_string(band);
        EXPECT_EQ(label("distance" + n).rfind(QString::number(totals[band].Distance, 'f', 2).toStdString() + " км", 0), 0u)
            << label("distance" + n);
        EXPECT_EQ(label("time" + n).rfind(DurationText(totals[band].Duration), 0), 0u) << label("time" + n);
    }
    EXPECT_EQ(label("totalDistance"), QString::number(distance, 'f', 2).toStdString() + " км");
    // The runs cover the whole track but the minute of the jump to the break.
    EXPECT_EQ(label("totalTime"), DurationText((trip->Track.Points.size() - 2) / 1440.0));
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
