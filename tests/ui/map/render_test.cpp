#include "formats/track_reader.h"
#include "settings/settings.h"
#include "support/test_support.h"
#include "visual/visualisation.h"

#include <QImage>
#include <QProcess>

#include <array>
#include <filesystem>

#include <gtest/gtest.h>

namespace qm::test {
namespace {

struct Rendered {
    int status;
    std::string errors;
};

Rendered Render(const TempDir& dir, const QStringList& arguments)
{
    QProcess render;
    render.setWorkingDirectory(QString::fromStdString(dir.path()));
    render.start(QM_RENDER, arguments);
    render.waitForFinished(60000);
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
        if (distance[band] > 20) EXPECT_GE(count(color, map), 100) << "band " << band << ": " << distance[band] << " km";
    }
    EXPECT_GE(bands, 3);

    const struct {
        QStringList arguments;
        int status;
        std::string error;
    } refused[] = {
        {{"missing.plt", "out.png"}, 1, "missing.plt: "},
        {{QM_SAMPLE_TRACK, "out.png", "--size", "90x70"}, 2, "quillmarsh-render: --size wants WxH"},
        {{QM_SAMPLE_TRACK}, 2, "quillmarsh-render: a track and the picture to write are needed"},
    };
    for (const auto& r : refused) {
        const Rendered failed = Render(dir, r.arguments);
        EXPECT_EQ(failed.status, r.status) << failed.errors;
        EXPECT_NE(failed.errors.find(r.error), std::string::npos) << failed.errors;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.png")));
}

}  // namespace
}  // namespace qm::test
