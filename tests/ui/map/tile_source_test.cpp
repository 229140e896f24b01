#include "map_test_support.h"
#include "tile_server.h"
#include "ui/map/map_view.h"
#include "ui/map/tile_source.h"
#include "ui/ui_harness.h"

#include <QCryptographicHash>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <utime.h>

namespace qm::test {
namespace {

using namespace std::chrono_literals;
using Answer = TileServer::Answer;

const QColor kGridColor(170, 170, 170);
const std::string kNoServer = "Нет связи с сервером карт: где нет тайлов, показана сетка широт и долгот";
const std::string kBadTile = "Сервер карт прислал негодные тайлы: на их месте показана сетка широт и долгот";

// Counts the paintings of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

class TileServerTest : public testing::Test {
protected:
    std::unique_ptr<TileSource> Source(const QString& url)
    {
        // Short delays between tries: the tests never wait long.
        return std::make_unique<TileSource>(url, QString::fromStdString(cacheDir), nullptr,
                                            TileRetryDelays{20ms, 200ms});
    }
    std::unique_ptr<TileSource> Source() { return Source(server.Url()); }

    // The view on screen without ever being painted there.
    void Show(MapView& view, TileSource& source)
    {
        view.setAttribute(Qt::WA_DontShowOnScreen);
        view.resize(800, 600);
        view.SetTileSource(&source, "Подложка: 127.0.0.1");
        view.SetTrip(trip, 5, 0);
        view.show();
    }
    // Its picture once every tile asked for has come or failed.
    QImage Picture(MapView& view, TileSource& source)
    {
        if (!view.isVisible()) Show(view, source);
        EXPECT_TRUE(WaitFor([&] { return source.Settled(); }));
        return view.grab().toImage();
    }

    // The view's top left corner in pixels of its zoom level.
    QPointF Origin(const MapView& view) const
    {
        return QPointF(trip->World[0].X, trip->World[0].Y) * WorldPixels(view.Zoom()) - view.ScreenPoint(0);
    }
    QString TilePath(const MapView& view, int x, int y) const
    {
        return QString("/%1/%2/%3.png").arg(view.Zoom()).arg(x).arg(y);
    }
    // The paths of the tiles under the view.
    std::set<std::string> ShownPaths(const MapView& view) const
    {
        const QPointF origin = Origin(view);
        std::set<std::string> paths;
        for (int y = int(std::floor(origin.y() / kTileSize)); y <= int(std::floor((origin.y() + 599) / kTileSize)); ++y)
            for (int x = int(std::floor(origin.x() / kTileSize)); x <= int(std::floor((origin.x() + 799) / kTileSize)); ++x)
                paths.insert(TilePath(view, x, y).toStdString());
        return paths;
    }
    // The tile under the middle of the view (wholly in it) and where it is drawn.
    std::pair<std::string, QRect> MiddleTile(const MapView& view) const
    {
        const QPointF origin = Origin(view);
        const int x = int(std::floor((origin.x() + 400) / kTileSize)), y = int(std::floor((origin.y() + 300) / kTileSize));
        const QPoint corner = (QPointF(x * kTileSize, y * kTileSize) - origin).toPoint();
        return {TilePath(view, x, y).toStdString(), QRect(corner, QSize(kTileSize, kTileSize))};
    }
    // Where the cache keeps the tile of a server path such as "/12/2475/1280.png".
    std::string CacheFile(const std::string& path) const
    {
        const QByteArray folder = QCryptographicHash::hash(server.Url().toUtf8(), QCryptographicHash::Sha1).toHex();
        return cacheDir + "/" + folder.left(16).toStdString() + path.substr(0, path.size() - 4) + ".tile";
    }

    TileServer server;
    TempDir cache;
    std::string cacheDir = cache.path();
    std::shared_ptr<const MapTrip> trip = WalkedTrip(Repeat(20, {12}));
};

// The pixels of the picture in the grid's colour, and whether all of them lie in the area.
std::pair<int, bool> GridPixels(const QImage& picture, const QRect& area)
{
    int count = 0;
    bool inside = true;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y) == kGridColor) {
                ++count;
                inside = inside && area.contains(x, y);
            }
    return {count, inside};
}

TEST_F(TileServerTest, TilesAskedForDrawnUnderTheTrackAndKept)
{
    MapView view;
    auto source = Source();
    const QImage picture = Picture(view, *source);

    EXPECT_EQ(std::set<std::string>(server.paths.begin(), server.paths.end()), ShownPaths(view));
    EXPECT_EQ(server.paths.size(), ShownPaths(view).size()) << "each tile asked for once";
    EXPECT_EQ(server.userAgent.rfind("Quillmarsh/", 0), 0u) << server.userAgent;
    EXPECT_EQ(picture.pixelColor(790, 5), kTileColor);
    EXPECT_EQ(picture.pixelColor(view.ScreenPoint(10).toPoint()), BandColor(*trip, 3));
    EXPECT_EQ(GridPixels(picture, {}).first, 0);
    EXPECT_TRUE(view.Note().isEmpty());

    // A second opening takes them from the disk.
    server.paths.clear();
    MapView again;
    auto cached = Source();
    EXPECT_EQ(Picture(again, *cached).pixelColor(790, 5), kTileColor);
    EXPECT_EQ(cached->RequestCount(), 0);
    EXPECT_TRUE(server.paths.empty());
}

// Tiles are asked for as the view changes, before any painting; painting
// only draws.
TEST_F(TileServerTest, ViewChangesAskForTilesPaintingDoesNot)
{
    MapView view;
    auto source = Source();
    Show(view, *source);
    EXPECT_EQ(source->RequestCount(), 2) << "two at a time";
    ASSERT_TRUE(WaitFor([&] { return source->Settled(); }));
    EXPECT_EQ(std::set<std::string>(server.paths.begin(), server.paths.end()), ShownPaths(view));

    view.ZoomBy(1, QPointF(400, 300));
    EXPECT_EQ(source->RequestCount(), int(server.paths.size()) + 2);
    ASSERT_TRUE(WaitFor([&] { return source->Settled(); }));
    for (const std::string& path : ShownPaths(view))
        EXPECT_NE(std::find(server.paths.begin(), server.paths.end(), path), server.paths.end()) << path;

    // A map not on screen asks for nothing, however often it is painted.
    MapView hidden;
    auto unseen = Source();
    hidden.resize(800, 600);
    hidden.SetTileSource(unseen.get(), {});
    hidden.SetTrip(WalkedTrip(Repeat(20, {40})), 5, 0);
    hidden.grab();
    hidden.ZoomBy(-1, QPointF(400, 300));
    hidden.grab();
    EXPECT_EQ(unseen->RequestCount(), 0);
}

// One tile the server does not give well: the others are drawn, the grid and
// the note only where it is missing; the tile is tried again by itself, is
// drawn once the server gives it, and is never kept while it is bad.
TEST_F(TileServerTest, FailuresArePerTileAndTriedAgain)
{
    const struct {
        Answer answer;
        std::string note;
    } cases[] = {
        {Answer::NotFound, kBadTile},  {Answer::Html, kBadTile},     {Answer::Corrupt, kBadTile},
        {Answer::Truncated, kBadTile}, {Answer::Bomb, kBadTile},     {Answer::Streamed, kBadTile},
        {Answer::HugeDeclared, kBadTile}, {Answer::Deflated, kBadTile}, {Answer::Refused, kNoServer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.answer));
        cacheDir = cache.File(std::to_string(int(c.answer)));
        server.paths.clear();
        server.streamed = 0;
        MapView view;
        auto source = Source();
        Show(view, *source);
        const auto [bad, place] = MiddleTile(view);
        server.answers = {{bad, c.answer}};

        const QImage failed = Picture(view, *source);
        EXPECT_EQ(view.Note().toStdString(), c.note);
        EXPECT_EQ(failed.pixelColor(790, 5), kTileColor);
        EXPECT_EQ(failed.pixelColor(5, 595), kTileColor);
        const auto [gridPixels, onlyThere] = GridPixels(failed, place);
        EXPECT_GT(gridPixels, 0);
        EXPECT_TRUE(onlyThere);
        EXPECT_FALSE(std::filesystem::exists(CacheFile(bad)));
        EXPECT_LT(server.streamed, TileServer::kStreamLimit / 4) << "a big body is abandoned as it comes";

        // Tried again, with growing delays, until the server gives it.
        const auto asked = [&] { return std::count(server.paths.begin(), server.paths.end(), bad); };
        EXPECT_TRUE(WaitFor([&] { return asked() >= 3; }));
        server.answers.clear();
        EXPECT_TRUE(WaitFor([&] { return view.Note().isEmpty() && source->Settled(); }));
        EXPECT_EQ(GridPixels(view.grab().toImage(), {}).first, 0);
        EXPECT_EQ(ReadAll(CacheFile(bad)), server.Png().toStdString());
    }
}

TEST_F(TileServerTest, SlowTileHoldsUpNoOther)
{
    MapView view;
    auto source = Source();
    Show(view, *source);
    const auto [slow, place] = MiddleTile(view);
    server.answers = {{slow, Answer::Silent}};
    const std::set<std::string> shown = ShownPaths(view);
    const auto kept = [&] {
        return std::count_if(shown.begin(), shown.end(), [&](const std::string& path) {
            return std::filesystem::exists(CacheFile(path));
        });
    };
    EXPECT_TRUE(WaitFor([&] { return kept() == std::ssize(shown) - 1; }));
    EXPECT_FALSE(source->Settled());
    const QImage picture = view.grab().toImage();
    EXPECT_EQ(picture.pixelColor(790, 5), kTileColor);
    EXPECT_EQ(picture.pixelColor(5, 595), kTileColor);
    EXPECT_TRUE(view.Note().isEmpty()) << "still coming";
}

// The server goes away: what is cached is drawn, expired or not, the grid
// only where nothing is; loading resumes by itself when the server is back.
TEST_F(TileServerTest, CachedTilesOutliveTheServer)
{
    {
        MapView view;
        auto source = Source();
        Picture(view, *source);
    }
    // All of them a week and a day old.
    const time_t old = time(nullptr) - 8 * 24 * 3600;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(cacheDir)) {
        const utimbuf times{old, old};
        if (entry.is_regular_file()) ::utime(entry.path().c_str(), &times);
    }
    server.Stop();

    MapView view;
    auto source = Source();
    const QImage offline = Picture(view, *source);
    EXPECT_EQ(offline.pixelColor(790, 5), kTileColor);
    EXPECT_EQ(GridPixels(offline, {}).first, 0);
    EXPECT_TRUE(view.Note().isEmpty());
    EXPECT_GT(source->RequestCount(), 0) << "expired tiles are asked for again";

    // Deeper, nothing is cached.
    view.ZoomBy(1, QPointF(400, 300));
    const QImage deeper = Picture(view, *source);
    EXPECT_EQ(view.Note().toStdString(), kNoServer);
    EXPECT_NE(deeper.pixelColor(790, 5), kTileColor);
    EXPECT_GT(GridPixels(deeper, {}).first, 0);

    // Home: all of it from the cache again.
    QTest::keyClick(&view, Qt::Key_Home);
    const QImage home = Picture(view, *source);
    EXPECT_EQ(home.pixelColor(790, 5), kTileColor);
    EXPECT_EQ(GridPixels(home, {}).first, 0);
    EXPECT_TRUE(view.Note().isEmpty());

    // The server is back: the tiles come without the view changing.
    view.ZoomBy(1, QPointF(400, 300));
    ASSERT_TRUE(server.Start());
    server.paths.clear();
    EXPECT_TRUE(WaitFor([&] { return view.Note().isEmpty() && source->Settled(); }));
    EXPECT_EQ(std::set<std::string>(server.paths.begin(), server.paths.end()), ShownPaths(view));
    const QImage back = view.grab().toImage();
    EXPECT_EQ(back.pixelColor(790, 5), kTileColor);
    EXPECT_EQ(GridPixels(back, {}).first, 0);
}

TEST_F(TileServerTest, UnusableUrlTemplateShowsTheGridAndSaysSo)
{
    for (const QString url : {"ftp://127.0.0.1/{z}/{x}/{y}.png", "file:///tmp/{z}/{x}/{y}.png", "http:///{z}/{x}/{y}.png",
                              "http://127.0.0.1/{z}/{x}.png", "127.0.0.1/{z}/{x}/{y}.png", "http://[::1/{z}/{x}/{y}"}) {
        SCOPED_TRACE(url.toStdString());
        MapView view;
        auto source = Source(url);
        const QImage picture = Picture(view, *source);
        EXPECT_FALSE(source->Usable());
        EXPECT_EQ(view.Note().toStdString(),
                  "TILEURL не адрес сервера карт (нужен http:// или https:// с {z}, {x} и {y}): показана сетка широт и "
                  "долгот");
        EXPECT_GT(GridPixels(picture, {}).first, 0);
        EXPECT_EQ(source->RequestCount(), 0);
    }
    EXPECT_TRUE(Source("https://tile.example.org/{z}/{x}/{y}.png")->Usable());
}

// What is at a tile's place in the cache is read only when it is a regular
// file, and a download replaces it, never what a link there points to.
TEST_F(TileServerTest, CacheTrustsNothingItFinds)
{
    std::vector<std::string> paths;
    {
        MapView view;
        auto source = Source();
        Picture(view, *source);
        paths.assign(server.paths.begin(), server.paths.end());
    }
    ASSERT_GE(paths.size(), 4u);
    TempDir outside;
    const std::string victim = outside.Write("victim", "the user's own file");
    std::filesystem::create_directory(outside.File("folder"));
    const std::string folded = outside.Write("folder/" + std::filesystem::path(CacheFile(paths[2])).filename().string(), "kept");

    std::filesystem::remove(CacheFile(paths[0]));
    ASSERT_EQ(::mkfifo(CacheFile(paths[0]).c_str(), 0600), 0);
    std::filesystem::remove(CacheFile(paths[1]));
    std::filesystem::create_symlink(victim, CacheFile(paths[1]));
    // A link in place of a folder of tiles.
    const std::filesystem::path folder = std::filesystem::path(CacheFile(paths[2])).parent_path();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory_symlink(outside.File("folder"), folder);
    std::filesystem::remove(CacheFile(paths[3]));
    std::filesystem::create_directory(CacheFile(paths[3]));

    server.paths.clear();
    MapView view;
    auto source = Source();
    const QImage picture = Picture(view, *source);
    EXPECT_EQ(GridPixels(picture, {}).first, 0);
    EXPECT_TRUE(view.Note().isEmpty());
    for (int n : {0, 1, 2, 3}) EXPECT_NE(std::find(server.paths.begin(), server.paths.end(), paths[n]), server.paths.end());
    EXPECT_EQ(ReadAll(victim), "the user's own file");
    EXPECT_EQ(ReadAll(folded), "kept");
    for (int n : {0, 1}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(CacheFile(paths[n]))));
        EXPECT_EQ(ReadAll(CacheFile(paths[n])), server.Png().toStdString());
    }
}

}  // namespace
}  // namespace qm::test
