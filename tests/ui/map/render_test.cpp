#include "support/test_support.h"

#include <QImage>
#include <QProcess>

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
    EXPECT_EQ(picture.size(), QSize(900, 700));

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
