#include "commands/statistics.h"
#include "commands/visualise.h"
#include "map/map_trip.h"
#include "stats/report.h"
#include "ui/map/map_legend.h"
#include "ui/map/map_view.h"
#include "ui/map/map_window.h"
#include "ui/map/profile_chart.h"
#include "ui/widgets/elided_label.h"
#include "ui/map/trip_view.h"
#include "ui/ui_harness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

class MapWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        program.settings.TILEURL.clear();
        program.Start();
        EnterTrack(program, QM_SAMPLE_TRACK);
    }
    MapWindow& Map() { return *program.windows.mapWindow; }
    std::string Legend(const char* name) { return Map().View()->Legend()->CellText(name).toStdString(); }

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


    // A new scale redraws it.
    program.settings.Scales[1].Categories[0].Upper = 3;
    program.settings.CURRENTSCALE = 1;
    program.Main().ShowScale(program.settings.CurrentScale());
    EXPECT_EQ(Legend("range0"), "0–3 км/ч");

    // At least the window's least size, which the legend's fonts set.
    const QSize size = Map().minimumSize().expandedTo(QSize(900, 650));
    Map().resize(size);
    Map().close();
    EXPECT_EQ(program.settings.MAPWIDTH, size.width());
    EXPECT_EQ(program.settings.MAPHEIGHT, size.height());
}

// The legend's whole is the Track row of the statistics report of the same
// track under the same settings.
TEST_F(MapWindowTest, LegendTotalsAreTheStatisticsTrackRow)
{
    program.settings.DECDELIM = ",";
    program.settings.NUMDIGITS = 2;
    for (const std::string& track : {std::string(QM_SAMPLE_TRACK),
                                    std::string(QM_TEST_DATA) + "/tracks/GPSBabel-gpsbabel-reference-track-dg100.gpx"}) {
        SCOPED_TRACE(track);
        EnterTrack(program, track);
        Click(program.Main(), "BtnMap");
        RecordingSink sink;
        const std::optional<StatTable> table = TrackStatistics(track, program.settings, sink);
        ASSERT_TRUE(table);
        const Report report = BuildReport(*table, program.settings, track, "", ReportFormat::Csv);
        // File, header, Track row: Part;Date;Dist;Time sum;...
        const QStringList cells = QString::fromStdString(report.Lines[2]).split(';');
        EXPECT_EQ(QString::fromStdString(Legend("totalDistance")), cells[2] + " км");
        EXPECT_EQ(QString::fromStdString(Legend("totalTime")), cells[3]);
    }
    EXPECT_TRUE(program.dialogs.boxes.empty());
}

// One box with the visualisation's own message, and no window showing an
// empty map or an older track.
TEST_F(MapWindowTest, TrackThatCannotBeShownOpensNoWindow)
{
    const std::string missing = program.dir.File("missing.plt");
    const std::string empty = program.dir.Write("empty.plt", "");
    const std::string timeless = program.dir.Write(
        "timeless.gpx", "<gpx><trk><trkseg><trkpt lat=\"50\" lon=\"30\"/><trkpt lat=\"50.1\" lon=\"30\"/>"
                        "</trkseg></trk></gpx>");
    for (const std::string& track : {empty, timeless, missing}) {
        SCOPED_TRACE(track);
        // Even with the map open on a good track, and after the statistics of the bad one.
        EnterTrack(program, QM_SAMPLE_TRACK);
        Click(program.Main(), "BtnMap");
        ASSERT_TRUE(Map().isVisible());
        EnterTrack(program, track);
        Click(program.Main(), "BtnGetStat");
        // What Визуализация says of the track.
        program.dialogs.boxes.clear();
        Click(program.Main(), "BtnPrFiles");
        const std::vector<std::string> visualised = program.dialogs.boxes;
        program.dialogs.boxes.clear();
        Click(program.Main(), "BtnMap");
        ASSERT_EQ(visualised.size(), 1u);
        EXPECT_EQ(program.dialogs.boxes, visualised);
        EXPECT_FALSE(Map().isVisible());
        program.dialogs.boxes.clear();
    }
}

// A track with a warning warns in a box at its first reading only, however
// often the map, the statistics and the settings read it again; the
// window's line keeps saying it, and the whole of it in its tooltip.
TEST_F(MapWindowTest, WarningsOfOneReadingInOneBoxAndInTheWindow)
{
    const std::string track = program.dir.Write(
        "ride.gpx", "<gpx><trk><trkseg><trkpt lat=\"50\" lon=\"30\"><time>2020-05-01T10:00:00Z</time></trkpt>"
                    "<trkpt lat=\"50.001\" lon=\"30\"/>"
                    "<trkpt lat=\"50.002\" lon=\"30\"><time>2020-05-01T10:01:00Z</time></trkpt>"
                    "<trkpt lat=\"50.003\" lon=\"30\"><time>2020-05-01T10:02:00Z</time></trkpt></trkseg></trk></gpx>");
    const std::string warning = MessageText(MessageId::LeftOutUntimed, {"1", "4"});
    EnterTrack(program, track);
    Click(program.Main(), "BtnMap");
    EXPECT_EQ(program.dialogs.boxes, std::vector<std::string>{warning});
    Click(program.Main(), "BtnGetStat");
    program.windows.statisticsWindow->close();
    Settle();
    program.Main().ShowScale(program.settings.CurrentScale());
    Click(program.Main(), "BtnMap");
    EXPECT_EQ(program.dialogs.boxes.size(), 1u);
    EXPECT_TRUE(Map().Warnings()->isVisible());
    EXPECT_EQ(Map().Warnings()->toolTip().toStdString(), warning);

    EnterTrack(program, QM_SAMPLE_TRACK);
    Click(program.Main(), "BtnMap");
    EXPECT_FALSE(Map().Warnings()->isVisible());
}

// Closed unseen, as the main window's close closes it, it keeps no place; a
// place too small to use opens it at a size where the map is as wide as the
// legend at least.
TEST_F(MapWindowTest, KeepsOnlyAPlaceItWasSeenAt)
{
    Map().close();
    EXPECT_EQ(program.settings.MAPWIDTH, 0);
    program.settings.MAPWIDTH = 640, program.settings.MAPHEIGHT = 480;
    Click(program.Main(), "BtnMap");
    Settle();
    EXPECT_GT(Map().width(), 640);
    EXPECT_GE(Map().View()->Map()->width(), Map().View()->Legend()->width());
    Map().resize(Map().minimumSizeHint());
    Settle();
    EXPECT_GE(Map().View()->Map()->width(), Map().View()->Legend()->width());
}

// The profile's axis and measure as the user chose them, for every track
// the window shows and in the settings.
TEST_F(MapWindowTest, ProfileChoicesAreKept)
{
    Click(program.Main(), "BtnMap");
    ProfileChart& profile = *Map().View()->Profile();
    const bool overTime = profile.Scale() == ProfileScale::Time;
    Find<QRadioButton>(profile, overTime ? "profileOverDistance" : "profileOverTime")->click();
    EXPECT_EQ(program.settings.PROFILEAXIS, overTime ? ProfileAxisChoice::Distance : ProfileAxisChoice::Time);
    program.Main().ShowScale(program.settings.CurrentScale());
    EXPECT_EQ(profile.Scale(), overTime ? ProfileScale::Distance : ProfileScale::Time);
}

// "Цвет по:" offers what the ride has, colours legend and profile by the
// measure chosen (the whole still the Track row), keeps the choice for the
// next track that has it and falls back to speed on one that has not.
TEST_F(MapWindowTest, ColouredByAMeasureTheTrackHas)
{
    const std::string ride = std::string(QM_TEST_DATA) + "/tracks/GPSBabel-gpsbabel-reference-track-wahoo-element-bolt.fit";
    EnterTrack(program, ride);
    Click(program.Main(), "BtnMap");
    auto& choice = *Find<QComboBox>(*Map().View()->Legend(), "colourBy");
    QStringList offered;
    for (int i = 0; i < choice.count(); ++i) offered << choice.itemText(i);
    EXPECT_EQ(offered.join(", ").toStdString(), "Скорость, Высота, Уклон, Пульс, Температура");
    const std::string total = Legend("totalDistance"), time = Legend("totalTime");

    choice.setCurrentIndex(choice.findData(int(ColourMeasure::HeartRate)));
    emit choice.activated(choice.currentIndex());
    EXPECT_EQ(program.settings.COLOURBY, ColourMeasure::HeartRate);
    // Five zones of 190 beats/min and the runs without a heart rate.
    EXPECT_EQ(Legend("range0"), "≤ 114 уд/мин");
    EXPECT_EQ(Legend("range4"), "> 171 уд/мин");
    EXPECT_EQ(Legend("range5"), "нет данных");
    EXPECT_EQ(Legend("totalDistance"), total);
    EXPECT_EQ(Legend("totalTime"), time);
    EXPECT_FALSE(Find<QCheckBox>(*Map().View()->Profile(), "stepSpeeds")->isEnabled());

    EnterTrack(program, ride);
    Click(program.Main(), "BtnMap");
    EXPECT_EQ(Legend("range5"), "нет данных");
    EnterTrack(program, QM_SAMPLE_TRACK);
    Click(program.Main(), "BtnMap");
    EXPECT_EQ(Legend("range0"), "0–2 км/ч");
    EXPECT_EQ(program.settings.COLOURBY, ColourMeasure::HeartRate);
    EXPECT_TRUE(program.dialogs.boxes.empty());
}

// The map draws no scale that the visualisation refuses, and says why as
// the visualisation does.
TEST(MapTrip, RefusedAsTheVisualisationRefuses)
{
    Settings settings;
    BandBoxes boxes = ScaleBandBoxes(settings.CurrentScale());
    boxes[1].Upper = boxes[0].Upper;  // two band files of one name
    RecordingSink map, visualisation;
    EXPECT_EQ(LoadMapTrip(QM_SAMPLE_TRACK, boxes, settings, map), nullptr);
    TempDir dir;
    VisualiseTrack(QM_SAMPLE_TRACK, dir.path(), boxes, settings, visualisation);
    ASSERT_EQ(visualisation.messages.size(), 1u);
    EXPECT_EQ(map.messages, visualisation.messages);
}

// The picture of the window's map, legend and profile, written whole or not
// at all, never over the track.
TEST_F(MapWindowTest, SavesItsPictureAsPng)
{
    Click(program.Main(), "BtnMap");
    Settle();
    const std::string picture = program.dir.File("trip.png");
    program.dialogs.pictureAnswers = {picture, std::string(QM_SAMPLE_TRACK), program.dir.path()};
    for (int i = 0; i < 3; ++i) Click(Map(), "savePicture");
    EXPECT_EQ(program.dialogs.pictureDialogStarts.front(), std::string(QM_SAMPLE_TRACK).replace(
                                                               std::string(QM_SAMPLE_TRACK).size() - 4, 4, "_map.png"));
    const QImage saved(QString::fromStdString(picture));
    EXPECT_EQ(saved.size(), Map().View()->size());
    const QImage shown = Map().View()->grab().toImage().convertToFormat(saved.format());
    EXPECT_EQ(saved, shown);
    ASSERT_EQ(program.dialogs.boxes.size(), 2u);
    EXPECT_EQ(program.dialogs.boxes[0], "Изображение не может заменить файл трека.");
    EXPECT_EQ(program.dialogs.boxes[1].rfind("error: Не удается создать файл \"" + program.dir.path() + "\"", 0), 0u)
        << program.dialogs.boxes[1];
}

}  // namespace
}  // namespace qm::test
