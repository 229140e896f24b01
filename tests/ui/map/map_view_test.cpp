#include "map_test_support.h"
#include "platform/date_time_text.h"
#include "support/test_support.h"
#include "ui/map/map_legend.h"
#include "ui/map/map_marks.h"
#include "ui/map/map_view.h"
#include "ui/map/profile_chart.h"
#include "ui/map/trip_view.h"
#include "ui/ui_harness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolTip>

#include <cmath>
#include <limits>

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
    // The finish is a black disc; the start a ring that leaves the track inside it in sight.
    EXPECT_EQ(At(last), QColor(0, 0, 0));
    EXPECT_EQ(At(0), BandColor(*trip, runs[0].Band));
    EXPECT_EQ(view.Map()->Note().toStdString(), "Подложка карты не задана: показана сетка широт и долгот");
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
    // An arrow moves the map a quarter of the view, as a drag towards the other side would.
    QTest::keyClick(&map, Qt::Key_Left);
    QTest::keyClick(&map, Qt::Key_Up);
    EXPECT_EQ(map.ScreenPoint(0), start + QPointF(map.width() / 4.0, map.height() / 4.0));
    QTest::keyClick(&map, Qt::Key_Right);
    QTest::keyClick(&map, Qt::Key_Down);
    EXPECT_EQ(map.ScreenPoint(0), start);
}

// A note longer than the view is cut to it, and its tooltip tells it whole.
TEST_F(MapPicture, NoteCutToTheViewWholeInItsTooltip)
{
    MapView map;
    map.resize(220, 300);
    map.show();
    ASSERT_FALSE(map.Note().endsWith("…"));
    EXPECT_TRUE(map.ShownNote().endsWith("…"));
    EXPECT_LE(map.NoteBox().right(), map.width() - 4);
    const QPoint onNote = map.NoteBox().center().toPoint();
    QHelpEvent help(QEvent::ToolTip, onNote, map.mapToGlobal(onNote));
    QApplication::sendEvent(&map, &help);
    EXPECT_EQ(QToolTip::text(), map.Note());
}

TEST_F(MapPicture, SmallWheelStepsAddUpToAZoomStep)
{
    MapView& map = *view.Map();
    const int fitted = map.Zoom();
    const QPointF middle(map.width() / 2.0, map.height() / 2.0);
    auto wheel = [&](int angle) {
        QWheelEvent event(middle, map.mapToGlobal(middle), {}, QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&map, &event);
    };
    for (int i = 0; i < 5; ++i) wheel(30);
    EXPECT_EQ(map.Zoom(), fitted + 1);  // 150 of 120: one step, 30 kept
    wheel(-40);                         // a turn back starts afresh
    EXPECT_EQ(map.Zoom(), fitted + 1);
    wheel(-80);
    EXPECT_EQ(map.Zoom(), fitted);
}

TEST_F(MapPicture, MarksTellWhatTheyAreInTheZoneOfTheSettings)
{
    auto tip = [&](int pointIndex) {
        return view.Map()->MarkText(view.Map()->ScreenPoint(pointIndex)).toStdString();
    };
    const TrackPoints& points = trip->Track.Points;
    const int last = int(points.size()) - 1;
    auto local = [&](int i) { return DateTimeText(points[i].DateTime + 4 / 24.0) + " (UTC+4)"; };
    EXPECT_EQ(tip(0), "Начало трека: " + local(0));
    EXPECT_EQ(tip(last), "Конец трека: " + local(last));
    const TrackStop& stop = trip->Visualisation.Stops[0];
    // In Russian only: the waypoint file's own description stays in the file.
    EXPECT_EQ(tip(stop.First),
              "Остановка 1: начало " + local(stop.First) + ", длительность " + ShownDuration(stop.Duration).toStdString());
    EXPECT_EQ(view.Map()->MarkText(QPointF(1, 1)).toStdString(), "");
}

TEST_F(MapPicture, ProfileCursorShowsItsPointOnTheMap)
{
    // The middle of the profile is the middle point of the track (a point a
    // minute, the gap at the break a short one).
    int hovered = -1;
    QObject::connect(view.Profile(), &ProfileChart::PointHovered, [&](int index) { hovered = index; });
    ProfileChart& profile = *view.Profile();
    const QPoint at(int(profile.PlotX(100)), int(profile.PlotArea().center().y()));
    QTest::mouseMove(&profile, at);
    EXPECT_NEAR(hovered, 100, 1);
    EXPECT_EQ(view.Map()->grab().toImage().pixelColor(view.Map()->ScreenPoint(hovered).toPoint()), QColor(0, 90, 255));
}

// A day between two walks: the profile runs over distance, shows the gap as
// a short break without bars or a height line, and its stop marks stay whole.
TEST(ProfileChartPicture, GapIsAShortBreak)
{
    Settings settings;
    settings.TILEURL.clear();
    auto minutes = Join({Repeat(60, {12}), Repeat(10, {0}), Repeat(60, {12})});
    Track track;
    track.Points = Walk(minutes, 328);
    for (std::size_t i = 61; i < track.Points.size(); ++i) track.Points[i].DateTime += 1;
    Visualisation visualisation = Visualise(track.Points, ScaleBandBoxes(settings.CurrentScale()), settings);
    const auto trip = MakeMapTrip(std::move(track), std::move(visualisation), settings);
    ASSERT_EQ(trip->Parts.size(), 2u);
    ProfileChart profile;
    profile.resize(800, 260);
    profile.SetTrip(trip.get(), settings);
    profile.show();
    Settle();
    EXPECT_EQ(profile.Scale(), ProfileScale::Distance);
    const QImage picture = profile.grab().toImage();
    const QRectF area = profile.PlotArea();
    const double left = profile.PlotX(60), right = profile.PlotX(61);
    EXPECT_GT(right - left, 3);
    EXPECT_LT(right - left, area.width() * 0.05);
    const QColor band = BandColor(*trip, FindBand(trip->Visualisation.Bands, 12));
    for (int y = int(area.top()) + 1; y < int(area.bottom()); ++y) {
        const QColor gap = picture.pixelColor(int((left + right) / 2), y);
        EXPECT_NE(gap, band) << y;
        EXPECT_NE(gap, QColor(90, 60, 30)) << y;
    }
    EXPECT_EQ(picture.pixelColor(int(left) - 3, int(area.bottom()) - 12), band);
    // Switched to time, the day is the same short break.
    profile.SetScale(ProfileScale::Time);
    EXPECT_NEAR(profile.PlotX(61) - profile.PlotX(60), right - left, 1);

    // The speed from point to point as a thin grey line beside the bars, on demand.
    auto greys = [&] {
        const QImage shown = profile.grab().toImage();
        const QRect plot = area.toRect().adjusted(2, 2, -2, -14);
        int count = 0;
        for (int y = plot.top(); y <= plot.bottom(); ++y) {
            for (int x = plot.left(); x <= plot.right(); ++x) {
                const QColor c = shown.pixelColor(x, y);
                count += c.red() < 120 && std::abs(c.red() - c.green()) < 8 && std::abs(c.green() - c.blue()) < 8;
            }
        }
        return count;
    };
    EXPECT_EQ(greys(), 0);
    Find<QCheckBox>(profile, "stepSpeeds")->setChecked(true);
    EXPECT_GT(greys(), 30);
}

// The measures a track read from its file holds reach the profile as a choice
// beside speed and height; the chosen one is drawn in its colour with its
// own axis. A track without measures offers none.
TEST(ProfileChartPicture, OffersTheMeasuresTheTrackHas)
{
    Settings settings;
    settings.TILEURL.clear();
    const struct {
        const char* track;
        std::vector<std::string> offered;  // after "нет"; empty: the choice is hidden
    } cases[] = {
        {"GPSBabel-gpsbabel-reference-track-kona2013.tcx", {"Пульс", "Каденс", "Мощность"}},
        {"GPSBabel-gpsbabel-reference-track-garmin-edge-800.fit", {"Температура"}},
        {"GPSBabel-gpsbabel-reference-track-dg100.gpx", {}},
    };
    ProfileChart profile;
    profile.resize(800, 260);
    profile.show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.track);
        RecordingSink sink;
        const auto trip = LoadMapTrip(std::string(QM_TEST_DATA) + "/tracks/" + c.track,
                                      ScaleBandBoxes(settings.CurrentScale()), settings, sink);
        ASSERT_TRUE(trip);
        profile.SetTrip(trip.get(), settings);
        Settle();
        auto* choice = Find<QComboBox>(profile, "profileMeasure");
        EXPECT_EQ(choice->isVisible(), !c.offered.empty());
        if (c.offered.empty()) continue;
        std::vector<std::string> offered;
        for (int i = 1; i < choice->count(); ++i) offered.push_back(choice->itemText(i).toStdString());
        EXPECT_EQ(offered, c.offered);
        EXPECT_EQ(choice->currentText().toStdString(), "нет");
        if (c.offered.front() != "Пульс") continue;

        // Heart rate in its red, inside the plot; without it, no such red there.
        auto reds = [&] {
            const QImage shown = profile.grab().toImage();
            const QRect plot = profile.PlotArea().toRect().adjusted(1, 1, -1, -1);
            int count = 0;
            for (int y = plot.top(); y <= plot.bottom(); ++y)
                for (int x = plot.left(); x <= plot.right(); ++x) {
                    const QColor p = shown.pixelColor(x, y);
                    count += p.red() > 150 && p.green() < 60 && p.blue() > 30 && p.blue() < 120;
                }
            return count;
        };
        const int before = reds();
        const QRectF wide = profile.PlotArea();
        choice->setCurrentIndex(1);
        EXPECT_EQ(profile.ShownMeasure(), Measure::HeartRate);
        EXPECT_LT(profile.PlotArea().width(), wide.width());  // room for the measure's axis
        EXPECT_GT(reds(), before + 100);
        choice->setCurrentIndex(0);
        EXPECT_EQ(profile.ShownMeasure(), std::nullopt);
    }
}

// Values at the ends of what a file may hold still draw a line on a round axis.
TEST(ProfileChartPicture, AbsurdMeasuresStillDrawTheirLine)
{
    Settings settings;
    settings.TILEURL.clear();
    constexpr float kMax = std::numeric_limits<float>::max();
    for (const std::vector<float>& values : {std::vector<float>{kMax, kMax}, {-kMax, kMax}}) {
        SCOPED_TRACE(values.front());
        Track track;
        track.Points = Walk(Repeat(60, {12}), 328);
        MeasureColumn& heart = ColumnOf(track.Measures, Measure::HeartRate);
        for (std::size_t i = 0; i < track.Points.size(); ++i) heart.push_back(values[i % values.size()]);
        Visualisation visualisation = Visualise(track.Points, ScaleBandBoxes(settings.CurrentScale()), settings);
        const auto trip = MakeMapTrip(std::move(track), std::move(visualisation), settings);
        ProfileChart profile;
        profile.resize(800, 260);
        profile.SetTrip(trip.get(), settings);
        profile.ShowMeasure(Measure::HeartRate);
        profile.show();
        Settle();
        const QImage shown = profile.grab().toImage();
        const QRect plot = profile.PlotArea().toRect().adjusted(1, 1, -1, -1);
        int reds = 0;
        for (int y = plot.top(); y <= plot.bottom(); ++y)
            for (int x = plot.left(); x <= plot.right(); ++x) reds += shown.pixelColor(x, y) == QColor(210, 0, 70);
        EXPECT_GT(reds, 50);
    }
}

// At every zoom level and in small and large views, the grid's labels are
// whole and cover neither each other, the note nor the scale bar.
TEST_F(MapPicture, GridLabelsStayClearOfEachOtherAndTheTexts)
{
    MapView& map = *view.Map();
    int labels = 0;
    for (const QSize size : {QSize(700, 600), QSize(260, 180)}) {
        view.Map()->resize(size);
        for (int levels = -4; levels <= 8; levels += 2) {
            map.FitTrack();
            map.ZoomBy(levels, QPointF(size.width() / 2.0, size.height() / 2.0));
            map.grab();
            const std::vector<GridLabel>& boxes = map.GridLabels();
            labels += int(boxes.size());
            const QRectF note = map.NoteBox(), scaleBar = map.ScaleBarBox();
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                SCOPED_TRACE(testing::Message() << size.width() << " zoom " << map.Zoom() << " label " << i);
                const PixelBox& box = boxes[i].Box;
                EXPECT_TRUE(PixelBox({0, 0, double(map.width()), double(map.height())}).Contains(box));
                EXPECT_FALSE(box.Overlaps({note.left(), note.top(), note.width(), note.height()}));
                EXPECT_FALSE(box.Overlaps({scaleBar.left(), scaleBar.top(), scaleBar.width(), scaleBar.height()}));
                for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(box.Overlaps(boxes[j].Box));
            }
        }
    }
    EXPECT_GT(labels, 20);
}

// On a long track seen whole, stops that would overlap are one mark with
// their count; zoomed in, each is a mark of its own.
TEST(MapMarks, StopsThatWouldOverlapShareOneMark)
{
    std::vector<Minute> minutes;
    for (int i = 0; i < 40; ++i) {
        const auto stretch = Join({Repeat(20, {12}), Repeat(6, {0})});
        minutes.insert(minutes.end(), stretch.begin(), stretch.end());
    }
    minutes.push_back({12});
    const auto trip = WalkedTrip(minutes);
    ASSERT_EQ(trip->Visualisation.Stops.size(), 40u);
    Settings settings;
    settings.TILEURL.clear();
    TempDir cache;
    TripView view;
    view.resize(700, 500);
    view.Show(trip, settings, QString::fromStdString(cache.path()));
    view.show();
    Settle();
    MapView& map = *view.Map();
    map.setMinimumSize(0, 0);
    map.resize(120, 700);
    map.FitTrack();
    auto members = [&] {
        std::size_t all = 0;
        for (const MarkGroup& group : map.StopMarks()) all += group.Members.size();
        return all;
    };
    EXPECT_LT(map.StopMarks().size(), 40u);
    EXPECT_EQ(members(), 40u);
    map.ZoomBy(6, QPointF(60, 350));
    EXPECT_EQ(map.StopMarks().size(), 40u);
}

}  // namespace
}  // namespace qm::test
