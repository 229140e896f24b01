// The map window of a trip of several files: the list of its files, a file
// brought out on the map, files left out of the map, legend and profile.
#include "commands/statistics.h"
#include "formats/track_reader.h"
#include "formats/trip_reader.h"
#include "platform/date_time_text.h"
#include "stats/report.h"
#include "stats/report_number.h"
#include "support/split_track.h"
#include "ui/interface_language.h"
#include "ui/map/map_legend.h"
#include "ui/map/map_view.h"
#include "ui/map/map_window.h"
#include "ui/map/profile_chart.h"
#include "ui/map/trip_files_list.h"
#include "ui/map/trip_view.h"
#include "ui/qt_color.h"
#include "ui/ui_harness.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

namespace qm::test {
namespace {

class TripMapTest : public testing::Test {
protected:
    void SetUp() override
    {
        program.settings.TILEURL.clear();
        program.Start();
        files = WriteSplitTrack(program.dir);
        trip = TrackFiles({files.P1, files.P2, files.P3}, program.dir.File("p1_trip"));
        ASSERT_TRUE(Show(*trip));
        Map().Open();
        Settle();
    }
    bool Show(const TrackFiles& track)
    {
        RecordingSink sink;
        const bool shown = Map().ShowTrack(track, ScaleBandBoxes(program.settings.CurrentScale()), sink);
        EXPECT_EQ(sink.messages, std::vector<std::string>{});
        return shown;
    }
    MapWindow& Map() { return *program.windows.mapWindow; }
    TripFilesList& List() { return *Map().Files(); }
    ProfileChart& Profile() { return *Map().View()->Profile(); }
    MapView& View() { return *Map().View()->Map(); }
    std::string Legend(const char* name) { return Map().View()->Legend()->CellText(name).toStdString(); }
    void Hide(int row, bool hidden)
    {
        List().item(row, 0)->setCheckState(hidden ? Qt::Unchecked : Qt::Checked);
        Settle();
    }
    // The whole distance of the statistics report of the files, as the legend writes it.
    std::string ReportedDistance(const TrackFiles& track)
    {
        RecordingSink sink;
        const std::optional<StatTable> table = TrackStatistics(track, program.settings, sink);
        EXPECT_TRUE(table);
        if (!table) return {};
        return ReportNumber(table->front().Dist, program.settings.NUMDIGITS, ",") + " км";
    }
    std::vector<std::string> MarkNames()
    {
        std::vector<std::string> names;
        for (const ProfilePlot::FileMark& mark : Profile().FileMarks()) names.push_back(mark.Name);
        return names;
    }

    Program program;
    SplitTrack files;
    std::optional<TrackFiles> trip;
};

TEST_F(TripMapTest, ListsTheFilesOfATripUnderTheLegend)
{
    EXPECT_EQ(Map().windowTitle().toStdString(), "Карта — p1_trip");
    ASSERT_TRUE(List().isVisible());
    ASSERT_EQ(List().rowCount(), 3);
    const std::string paths[] = {files.P1, files.P2, files.P3};
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(paths[row]);
        const TrackReading alone = LoadTrack(paths[row]);
        ASSERT_TRUE(alone.Track);
        const double first = alone.Track->Points.front().DateTime + program.settings.GMTMOD / 24.0;
        EXPECT_EQ(List().item(row, 0)->checkState(), Qt::Checked);
        EXPECT_EQ(List().item(row, 1)->text().toStdString(), "p" + std::to_string(row + 1) + ".plt");
        EXPECT_EQ(List().item(row, 1)->toolTip().toStdString(), paths[row]);
        EXPECT_EQ(List().item(row, 2)->text().toStdString(), DateText(first));
        EXPECT_EQ(List().item(row, 3)->text().toStdString(), ReportedDistance(paths[row]));
    }
    // Under the legend, in its column, two rows in sight at the window's
    // least size and every row in a larger window.
    Map().resize(Map().minimumSizeHint());
    Settle();
    EXPECT_GE(List().viewport()->height(), 2 * List().rowHeight(0));
    Map().resize(1100, 1000);
    Settle();
    const QRect legend = Map().View()->Legend()->geometry();
    EXPECT_GE(List().geometry().top(), legend.bottom());
    EXPECT_EQ(List().geometry().left(), legend.left());
    EXPECT_LE(List().visualItemRect(List().item(2, 3)).bottom(), List().viewport()->height());
    // The legend's whole is the trip's statistics.
    EXPECT_EQ(Legend("totalDistance"), ReportedDistance(*trip));
    EXPECT_EQ(Legend("hiddenFiles"), "");
    // The profile marks where the next file starts, and names each.
    EXPECT_EQ(MarkNames(), (std::vector<std::string>{"p1.plt", "p2.plt", "p3.plt"}));
    const TripReading reading = LoadTrip(trip->Paths);
    ASSERT_EQ(Profile().FileMarks().size(), 3u);
    EXPECT_DOUBLE_EQ(Profile().FileMarks()[1].X, Profile().PlotX(int(reading.Files[0].PointsKept)));
    EXPECT_TRUE(Profile().HiddenNote().isEmpty());

    // One file: no list, no marks, named after the file.
    ASSERT_TRUE(Show(std::string(QM_SAMPLE_TRACK)));
    EXPECT_FALSE(List().isVisible());
    EXPECT_TRUE(Profile().FileMarks().empty());
    EXPECT_EQ(Map().windowTitle().toStdString(), "Карта — sample.plt");
}

// Hidden, a file counts nowhere: the legend and the profile give what the
// trip of the other files gives, and say how many were left out.
TEST_F(TripMapTest, HiddenFilesLeaveTheMapLegendAndProfile)
{
    Hide(1, true);
    EXPECT_EQ(List().Hidden(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(Legend("hiddenFiles"), "Скрыто файлов: 1 из 3");
    EXPECT_EQ(Profile().HiddenNote().toStdString(), "Скрыто файлов: 1 из 3");
    EXPECT_EQ(Legend("totalDistance"), ReportedDistance(TrackFiles({files.P1, files.P3}, "t")));
    EXPECT_EQ(MarkNames(), (std::vector<std::string>{"p1.plt", "p3.plt"}));

    // The last file shown cannot be hidden: its box is disabled, and a
    // change of it is refused.
    Hide(0, true);
    EXPECT_EQ(Legend("hiddenFiles"), "Скрыто файлов: 2 из 3");
    EXPECT_EQ(Legend("totalDistance"), ReportedDistance(files.P3));
    for (int row = 0; row < 3; ++row) EXPECT_EQ(bool(List().item(row, 0)->flags() & Qt::ItemIsEnabled), row != 2);
    Hide(2, true);
    EXPECT_EQ(List().item(2, 0)->checkState(), Qt::Checked);
    EXPECT_EQ(List().Hidden(), (std::vector<bool>{true, true, false}));
    EXPECT_EQ(Legend("totalDistance"), ReportedDistance(files.P3));

    // In English too.
    InstallInterfaceLanguage(Language::English);
    Settle();
    EXPECT_EQ(Legend("hiddenFiles"), "Hidden files: 2 of 3");
    EXPECT_EQ(Profile().HiddenNote().toStdString(), "Hidden files: 2 of 3");
    EXPECT_EQ(List().horizontalHeaderItem(1)->text().toStdString(), "File");
    InstallInterfaceLanguage(Language::Russian);
    Settle();

    // Shown again with another scale, the same files stay hidden; other files show whole.
    program.settings.Scales[1].Categories[0].Upper = 3;
    program.settings.CURRENTSCALE = 1;
    ASSERT_TRUE(Show(*trip));
    EXPECT_EQ(Legend("range0"), "0–3 км/ч");
    EXPECT_EQ(List().Hidden(), (std::vector<bool>{true, true, false}));
    EXPECT_EQ(Legend("hiddenFiles"), "Скрыто файлов: 2 из 3");
    ASSERT_TRUE(Show(TrackFiles({files.P1, files.P2}, "t")));
    EXPECT_EQ(List().Hidden(), (std::vector<bool>{false, false}));
    EXPECT_EQ(Legend("hiddenFiles"), "");
    ASSERT_TRUE(Show(*trip));
    EXPECT_EQ(List().Hidden(), (std::vector<bool>{false, false, false}));

    Hide(2, true);
    Hide(2, false);
    EXPECT_EQ(Legend("hiddenFiles"), "");
    EXPECT_EQ(Legend("totalDistance"), ReportedDistance(*trip));
    EXPECT_EQ(MarkNames().size(), 3u);
}

// A ride at 22 km/h, a point a minute for an hour from `start` (minutes
// after 10:00 on 2020-05-01), from (lat, lon) in steps of (north, east)
// sixtieths of its way.
std::string Ride(int start, double lat, double lon, double north, double east)
{
    std::string text = "<gpx version=\"1.1\" creator=\"t\" xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><trkseg>";
    for (int m = 0; m <= 60; ++m) {
        const int minute = 600 + start + m;
        char point[160];
        std::snprintf(point, sizeof point,
                      "<trkpt lat=\"%.6f\" lon=\"%.6f\"><time>2020-05-01T%02d:%02d:00Z</time></trkpt>",
                      lat + north * m, lon + east * m, minute / 60, minute % 60);
        text += point;
    }
    return text + "</trkseg></trk></gpx>";
}

// The lines or bars in their bands' own colours: those drawn in full.
int FullColourPixels(QWidget& view, const MapTrip& trip)
{
    std::set<QRgb> colours;
    for (const SpeedBand& band : trip.Visualisation.Bands)
        if (band.StepCount > 0) colours.insert(ColorOf(band.Color).rgb());
    const QImage image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int found = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) found += colours.count(image.pixel(x, y) | 0xFF000000u) > 0;
    return found;
}

// The file pointed at in the list (the row under the mouse, else the row
// selected) stands out on the map and the profile, the others faint; a
// double click fits the map to it.
TEST_F(TripMapTest, PointingAtAFileBringsItOutOnTheMap)
{
    // Three rides of 22 km, north, then east, then north again.
    constexpr double kStep = 22.0 / 60 / 111;
    const TrackFiles rides({program.dir.Write("a.gpx", Ride(0, 50, 30, kStep, 0)),
                            program.dir.Write("b.gpx", Ride(61, 50 + 60 * kStep, 30, 0, kStep * 1.5)),
                            program.dir.Write("c.gpx", Ride(122, 50 + 60 * kStep, 30 + 90 * kStep, kStep, 0))},
                           "rides");
    ASSERT_TRUE(Show(rides));
    RecordingSink sink;
    const std::shared_ptr<const MapTrip> whole =
        LoadMapTrip(rides, ScaleBandBoxes(program.settings.CurrentScale()), program.settings, sink);
    ASSERT_TRUE(whole);
    const int all = FullColourPixels(View(), *whole);
    const int profileAll = FullColourPixels(Profile(), *whole);
    EXPECT_GT(all, 500);
    List().selectRow(1);
    EXPECT_EQ(View().HighlightedFile(), 1);
    const int profileSecond = FullColourPixels(Profile(), *whole);
    EXPECT_GT(profileSecond, profileAll / 6);
    EXPECT_LT(profileSecond, profileAll / 2);
    const int second = FullColourPixels(View(), *whole);
    EXPECT_GT(second, all / 6);
    EXPECT_LT(second, all / 2);

    auto moveTo = [&](QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, List().viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(List().viewport(), &move);
    };
    const QPoint third = List().visualItemRect(List().item(2, 1)).center();
    moveTo(third);
    EXPECT_EQ(View().HighlightedFile(), 2);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(List().viewport(), &leave);
    EXPECT_EQ(View().HighlightedFile(), 1);
    EXPECT_EQ(Profile().HighlightedFile(), 1);
    // A hidden file has nothing to bring out.
    Hide(1, true);
    EXPECT_EQ(View().HighlightedFile(), -1);
    moveTo(third);
    EXPECT_EQ(View().HighlightedFile(), 2);

    // The middle of the third ride in the middle of the map (the second is hidden).
    const int zoom = View().Zoom();
    const QPointF middle(View().width() / 2.0, View().height() / 2.0);
    auto offMiddle = [&] { return QLineF(View().ScreenPoint(61 + 30), middle).length(); };
    EXPECT_GT(offMiddle(), 20);
    // A double click comes after the click of its first press.
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, third);
    QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, third);
    EXPECT_LT(offMiddle(), 2);
    EXPECT_GE(View().Zoom(), zoom);
    // Home gives the whole trip back.
    QTest::keyClick(&View(), Qt::Key_Home);
    EXPECT_EQ(View().Zoom(), zoom);
    EXPECT_GT(offMiddle(), 20);
}

// The picture is named after the trip and replaces none of its files.
TEST_F(TripMapTest, SavesThePictureUnderTheTripsName)
{
    const std::string picture = program.dir.File("trip.png");
    const std::string second = ReadAll(files.P2);
    program.dialogs.pictureAnswers = {files.P2, picture};
    Click(Map(), "savePicture");
    Click(Map(), "savePicture");
    EXPECT_EQ(program.dialogs.pictureDialogStarts.front(), program.dir.File("p1_trip_map.png"));
    EXPECT_EQ(program.dialogs.boxes, std::vector<std::string>{"Изображение не может заменить файл трека."});
    EXPECT_EQ(ReadAll(files.P2), second);
    EXPECT_EQ(QImage(QString::fromStdString(picture)).size(), Map().View()->size());
}

}  // namespace
}  // namespace qm::test
