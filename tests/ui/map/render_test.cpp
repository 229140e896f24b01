#include "formats/track_reader.h"
#include "settings/settings.h"
#include "support/split_track.h"
#include "support/test_support.h"
#include "tile_server.h"
#include "ui/qt_color.h"
#include "visual/visualisation.h"

#include <QImage>
#include <QImageReader>
#include <QProcess>

#include <array>
#include <filesystem>
#include <set>
#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

struct Rendered {
    int status;
    std::string errors;
};

// Runs quillmarsh-render in dir with its own tile cache there, the event
// loop going on meanwhile for a tile server of the test; limit, when given,
// is the largest file it may write.
Rendered Render(const TempDir& dir, const QStringList& arguments, rlim_t limit = RLIM_INFINITY)
{
    QProcess render;
    render.setWorkingDirectory(QString::fromStdString(dir.path()));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CACHE_HOME", QString::fromStdString(dir.File("cache")));
    environment.remove("XDG_RUNTIME_DIR");
    environment.remove("QT_QPA_PLATFORM");
    render.setProcessEnvironment(environment);
    render.setChildProcessModifier([limit] {
        // Writing past the limit then fails with EFBIG, as on a full disk.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
    });
    render.start(QM_RENDER, arguments);
    EXPECT_TRUE(WaitFor([&] { return render.state() == QProcess::NotRunning; }, 60000));
    render.kill();
    render.waitForFinished();
    return {render.exitCode(), render.readAllStandardError().toStdString()};
}

TEST(QuillmarshRender, SampleTrackAsPictureWithoutDisplay)
{
    TempDir dir;
    // Without map tiles the picture needs no network.
    dir.Write("Quillmarsh.ini", "[MAP]\r\nTILEURL=\r\n");
    const Rendered run = Render(dir, {QM_SAMPLE_TRACK, "trip.png", "--size", "900x700"});
    EXPECT_EQ(run.status, 0) << run.errors;
    const QImage picture(QString::fromStdString(dir.File("trip.png")));
    ASSERT_EQ(picture.size(), QSize(900, 700));
    // The colour of each band the sample has runs in: in the legend's
    // swatch, and for the bands of the longer runs along the track on the
    // map (the top left of the picture).
    TrackReading reading = LoadTrack(QM_SAMPLE_TRACK);
    ASSERT_TRUE(reading.Track);
    const Settings settings;
    const Visualisation visualisation =
        Visualise(reading.Track->Points, ScaleBandBoxes(settings.CurrentScale()), settings);
    std::array<double, kBandCount> distance{};
    for (const SpeedRun& run : visualisation.Runs) distance[run.Band] += run.Distance;
    auto count = [&](int32_t bgr, QRect area) {
        const QColor color(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
        int found = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) found += picture.pixelColor(x, y) == color;
        return found;
    };
    const QRect map(0, 0, 500, 400);
    int bands = 0;
    for (int band = 0; band < kBandCount; ++band) {
        if (distance[band] == 0) continue;
        ++bands;
        const int32_t color = visualisation.Bands[band].Color;
        EXPECT_GE(count(color, picture.rect()), 36 * 14) << "band " << band;
        if (distance[band] > 20) {
            EXPECT_GE(count(color, map), 100) << "band " << band << ": " << distance[band] << " km";
        }
    }
    EXPECT_GE(bands, 3);

    const struct {
        QStringList arguments;
        int status;
        std::string error;
    } refused[] = {
        {{"missing.plt", "out.png"}, 1, "missing.plt: "},
        {{QM_SAMPLE_TRACK, "out.png", "--size", "90x70"}, 2, "quillmarsh-render: --size wants WxH"},
        // 2^32 + 900 is no 900, and a blank or a sign is no digit.
        {{QM_SAMPLE_TRACK, "out.png", "--size", "4294968196x700"}, 2, "quillmarsh-render: --size wants WxH"},
        {{QM_SAMPLE_TRACK, "out.png", "--size", "900x 700"}, 2, "quillmarsh-render: --size wants WxH"},
        {{QM_SAMPLE_TRACK, "out.png", "--size", "+900x700"}, 2, "quillmarsh-render: --size wants WxH"},
        {{QM_SAMPLE_TRACK}, 2, "quillmarsh-render: a track and the picture to write are needed"},
        {{"missing.plt", "out.png", "--lang", "en"}, 1, "missing.plt: Track file not found!\n"},
        {{QM_SAMPLE_TRACK, "out.png", "--lang", "de"}, 2, "quillmarsh-render: --lang takes ru or en"},
    };
    for (const auto& r : refused) {
        const Rendered failed = Render(dir, r.arguments);
        EXPECT_EQ(failed.status, r.status) << failed.errors;
        EXPECT_NE(failed.errors.find(r.error), std::string::npos) << failed.errors;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.png")));
}

// The format the picture's name asks for, or none at all.
TEST(QuillmarshRender, WritesTheFormatItsNameAsks)
{
    TempDir dir;
    dir.Write("Quillmarsh.ini", "[MAP]\r\nTILEURL=\r\n");
    for (const char* name : {"k.jpg", "k.JPEG", "k.png"}) {
        SCOPED_TRACE(name);
        const Rendered run = Render(dir, {QM_SAMPLE_TRACK, name, "--size", "400x300"});
        EXPECT_EQ(run.status, 0) << run.errors;
        QImageReader reader(QString::fromStdString(dir.File(name)));
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), std::string(name).ends_with("png") ? "png" : "jpeg");
        EXPECT_EQ(reader.size(), QSize(400, 300));
    }
    const Rendered gif = Render(dir, {QM_SAMPLE_TRACK, "k.gif", "--lang", "en"});
    EXPECT_EQ(gif.status, 1);
    EXPECT_EQ(gif.errors, "k.gif: a picture is written as PNG or JPEG: the file's name must end in .png, .jpg or "
                          ".jpeg\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("k.gif")));
}

TEST(QuillmarshRender, NeverWritesOverItsTrackOrSettings)
{
    TempDir dir;
    const std::string track = dir.Write("t.plt", ReadAll(QM_SAMPLE_TRACK));
    const std::string settings = "[MAP]\r\nTILEURL=\r\n";
    dir.Write("s.ini", settings);
    dir.Write("Quillmarsh.ini", settings);
    std::filesystem::create_hard_link(track, dir.File("hard.png"));
    std::filesystem::create_symlink("t.plt", dir.File("soft.png"));
    const struct {
        QStringList arguments;
        std::string error;
    } refused[] = {
        {{"t.plt", "t.plt"}, "t.plt: это трек, его заменил бы рисунок t.plt\n"},
        {{"t.plt", "./t.plt"}, "t.plt: это трек, его заменил бы рисунок ./t.plt\n"},
        {{"t.plt", "hard.png"}, "t.plt: это трек, его заменил бы рисунок hard.png\n"},
        {{"t.plt", "soft.png"}, "t.plt: это трек, его заменил бы рисунок soft.png\n"},
        {{"t.plt", "s.ini", "--settings", "s.ini"},
         "s.ini: это файл настроек, его заменил бы рисунок s.ini\n"},
        {{"t.plt", "Quillmarsh.ini"},
         "Quillmarsh.ini: это файл настроек, его заменил бы рисунок Quillmarsh.ini\n"},
    };
    for (const auto& r : refused) {
        const Rendered run = Render(dir, r.arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.errors, r.error);
    }
    EXPECT_EQ(ReadAll(track), ReadAll(QM_SAMPLE_TRACK));
    EXPECT_EQ(ReadAll(dir.File("s.ini")), settings);
    EXPECT_EQ(ReadAll(dir.File("Quillmarsh.ini")), settings);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().filename().string().rfind(".~", 0), 0u) << entry.path();
}

TEST(QuillmarshRender, PictureReplacedWholeOrNotAtAll)
{
    TempDir dir;
    dir.Write("Quillmarsh.ini", "[MAP]\r\nTILEURL=\r\n");
    const std::string before = dir.Write("out.png", "the picture of before");
    std::filesystem::create_hard_link(before, dir.File("kept.png"));

    // The disk fills up: the picture of before stays as it was.
    const Rendered full = Render(dir, {QM_SAMPLE_TRACK, "out.png"}, 4096);
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.errors.rfind("out.png: Не удалось записать файл \"out.png\". Файл слишком велик\n", 0), 0u) << full.errors;
    EXPECT_EQ(ReadAll(before), "the picture of before");

    // A new file takes the name: the old one, under another name, is untouched.
    const Rendered written = Render(dir, {QM_SAMPLE_TRACK, "out.png"});
    EXPECT_EQ(written.status, 0) << written.errors;
    EXPECT_EQ(QImage(QString::fromStdString(before)).size(), QSize(1200, 800));
    EXPECT_EQ(ReadAll(dir.File("kept.png")), "the picture of before");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 3) << "Quillmarsh.ini, out.png and kept.png, no unfinished file";
}

// A measure asked for is drawn in the profile in its colour; a track without
// it is drawn without it, and said so.
TEST(QuillmarshRender, DrawsTheMeasureAskedFor)
{
    TempDir dir;
    dir.Write("Quillmarsh.ini", "[MAP]\r\nTILEURL=\r\n");
    const QString ride = QString(QM_TEST_DATA) + "/tracks/GPSBabel-gpsbabel-reference-track-wahoo-element-bolt.fit";
    const QColor heartRate(210, 0, 70);
    auto heartRatePixels = [&] {
        const QImage picture(QString::fromStdString(dir.File("ride.png")));
        int found = 0;
        for (int y = picture.height() / 2; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) found += picture.pixelColor(x, y) == heartRate;
        return found;
    };
    const struct {
        QStringList arguments;
        int status;
        std::string errors;
        bool drawn;
    } cases[] = {
        {{ride, "ride.png", "--measure", "heart-rate"}, 0, "", true},
        {{ride, "ride.png"}, 0, "", false},
        {{QM_SAMPLE_TRACK, "ride.png", "--measure", "power"}, 0,
         std::string(QM_SAMPLE_TRACK) + ": в треке нет измерения power: профиль нарисован без него\n", false},
        {{ride, "none.png", "--measure", "speed"}, 2,
         "quillmarsh-render: --measure takes heart-rate, cadence, power or temperature\n"
         "Try 'quillmarsh-render --help'.\n",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        std::filesystem::remove(dir.File("ride.png"));
        const Rendered run = Render(dir, c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.errors, c.errors);
        if (c.status == 0) {
            EXPECT_EQ(heartRatePixels() > 100, c.drawn);
        }
    }
}

// The track, the legend and the profile coloured by the measure asked for:
// the palette's colours that no speed band has are drawn for it alone; a
// track without the measure is coloured by speed, and said so.
TEST(QuillmarshRender, ColoursByTheMeasureAskedFor)
{
    TempDir dir;
    dir.Write("Quillmarsh.ini", "[MAP]\r\nTILEURL=\r\n");
    const QString ride = QString(QM_TEST_DATA) + "/tracks/GPSBabel-gpsbabel-reference-track-wahoo-element-bolt.fit";
    std::set<QRgb> speedColours, measureColours;
    const Settings settings;
    for (const SpeedCategory& band : settings.CurrentScale().Categories) speedColours.insert(ColorOf(band.Color).rgb());
    for (int32_t colour : ColourPalette())
        if (!speedColours.count(ColorOf(colour).rgb())) measureColours.insert(ColorOf(colour).rgb());
    ASSERT_FALSE(measureColours.empty());
    auto measurePixels = [&] {
        const QImage picture = QImage(QString::fromStdString(dir.File("ride.png"))).convertToFormat(QImage::Format_RGB32);
        int found = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) found += measureColours.count(picture.pixel(x, y));
        return found;
    };
    const struct {
        QStringList arguments;
        int status;
        std::string errors;
        bool coloured;
    } cases[] = {
        {{ride, "ride.png", "--colour-by", "heart-rate"}, 0, "", true},
        {{ride, "ride.png", "--colour-by", "speed"}, 0, "", false},
        {{QM_SAMPLE_TRACK, "ride.png", "--colour-by", "power"}, 0,
         std::string(QM_SAMPLE_TRACK) + ": в треке нет измерения power: трек окрашен по скорости\n", false},
        {{ride, "none.png", "--colour-by", "slope"}, 2,
         "quillmarsh-render: --colour-by takes speed, height, grade, heart-rate, cadence, power or temperature\n"
         "Try 'quillmarsh-render --help'.\n",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        std::filesystem::remove(dir.File("ride.png"));
        const Rendered run = Render(dir, c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.errors, c.errors);
        if (c.status == 0) {
            EXPECT_EQ(measurePixels() > 500, c.coloured);
        }
    }
}

// Whatever the tile server sends and the cache holds, standard error carries
// nothing but the program's own messages, and the picture is saved.
TEST(QuillmarshRender, HostileTilesLeaveStandardErrorClean)
{
    TileServer server;
    using Answer = TileServer::Answer;
    for (Answer answer : {Answer::Corrupt, Answer::Truncated, Answer::Html, Answer::Bomb, Answer::Streamed,
                          Answer::HugeDeclared, Answer::Deflated, Answer::Refused}) {
        SCOPED_TRACE(int(answer));
        TempDir dir;
        dir.Write("Quillmarsh.ini", "[MAP]\r\nTILEURL=" + server.Url().toStdString() + "\r\n");
        server.answer = answer;
        server.paths.clear();
        const Rendered run = Render(dir, {QM_SAMPLE_TRACK, "trip.png", "--size", "600x500"});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.errors, "");
        EXPECT_FALSE(server.paths.empty());
        EXPECT_EQ(QImage(QString::fromStdString(dir.File("trip.png"))).size(), QSize(600, 500));
    }
}

// A trip of several files drawn as the whole track is, but for the lines in
// its profile where one file gives way to the next; checked as the
// window's other options are.
TEST(QuillmarshRender, DrawsATripWithItsFileBreaks)
{
    TempDir dir;
    dir.Write("Quillmarsh.ini", "[MAP]\r\nTILEURL=\r\n");
    WriteSplitTrack(dir);
    const Rendered whole = Render(dir, {"whole.plt", "whole.png", "--size", "900x700"});
    ASSERT_EQ(whole.status, 0) << whole.errors;
    const Rendered trip = Render(dir, {"p2.plt", "p1.plt", "p3.plt", "trip.png", "--size", "900x700"});
    ASSERT_EQ(trip.status, 0) << trip.errors;
    EXPECT_EQ(trip.errors, "");
    const QImage wholePicture(QString::fromStdString(dir.File("whole.png")));
    const QImage tripPicture(QString::fromStdString(dir.File("trip.png")));
    ASSERT_EQ(tripPicture.size(), QSize(900, 700));
    // The map and the legend above the profile alike to the pixel.
    const QRect top(0, 0, 900, 350);
    EXPECT_EQ(tripPicture.copy(top), wholePicture.copy(top));
    // Two breaks, each a dashed line of its own colour down the profile.
    const QColor breakColor(150, 0, 120);
    auto breakColumns = [&](const QImage& picture) {
        int columns = 0;
        for (int x = 0; x < picture.width(); ++x) {
            int found = 0;
            for (int y = picture.height() / 2; y < picture.height(); ++y) found += picture.pixelColor(x, y) == breakColor;
            columns += found > 40;
        }
        return columns;
    };
    EXPECT_EQ(breakColumns(wholePicture), 0);
    EXPECT_GE(breakColumns(tripPicture), 2);
    EXPECT_LE(breakColumns(tripPicture), 4);

    const struct {
        QStringList arguments;
        int status;
        std::string error;
    } refused[] = {
        {{"out.png"}, 2, "quillmarsh-render: a track and the picture to write are needed\n"},
        {{"p1.plt", "p2.plt", "p2.plt"}, 1, "p2.plt: это трек, его заменил бы рисунок p2.plt\n"},
        {{"p1.plt", "missing.plt", "out.png", "--lang", "en"},
         1,
         "missing.plt: Track file not found!\n"},
        {{"p1.plt", "p2.plt", "out.png", "--measure", "power"},
         0,
         "p1_trip.plt: в треке нет измерения power: профиль нарисован без него\n"},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.arguments.join(' ').toStdString());
        const Rendered run = Render(dir, r.arguments);
        EXPECT_EQ(run.status, r.status);
        EXPECT_EQ(run.errors.substr(0, r.error.size()), r.error);
        if (r.status != 0) {
            EXPECT_FALSE(std::filesystem::exists(dir.File("out.png")));
        }
    }
}

}  // namespace
}  // namespace qm::test
