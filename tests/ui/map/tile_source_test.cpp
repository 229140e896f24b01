#include "map_test_support.h"
#include "ui/map/map_view.h"
#include "ui/map/tile_source.h"
#include "ui/ui_harness.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <set>

namespace qm::test {
namespace {

const QColor kTileColor(20, 120, 220);

// A tile server on 127.0.0.1 for one test: every tile a plain square of
// kTileColor; it records the paths asked for and the User-Agent.
class TileServer {
public:
    TileServer()
    {
        QImage tile(kTileSize, kTileSize, QImage::Format_RGB32);
        tile.fill(kTileColor);
        QBuffer buffer(&png_);
        buffer.open(QIODevice::WriteOnly);
        tile.save(&buffer, "PNG");
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] { Answer(socket); });
        });
    }
    QString Url() const { return QString("http://127.0.0.1:%1/{z}/{x}/{y}.png").arg(server_.serverPort()); }
    void Stop() { server_.close(); }

    std::set<std::string> paths;
    std::string userAgent;

private:
    void Answer(QTcpSocket* socket)
    {
        request_ += socket->readAll();
        if (!request_.contains("\r\n\r\n")) return;
        const QList<QByteArray> lines = request_.split('\n');
        paths.insert(lines[0].split(' ')[1].toStdString());
        for (const QByteArray& line : lines)
            if (line.toLower().startsWith("user-agent:")) userAgent = line.mid(11).trimmed().toStdString();
        request_.clear();
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nContent-Length: " + QByteArray::number(png_.size()) +
                      "\r\nConnection: close\r\n\r\n" + png_);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QByteArray png_;
    QByteArray request_;
};

// Waits, without a fixed pause, until the source has nothing more to do.
void WaitIdle(TileSource& source)
{
    QElapsedTimer waited;
    waited.start();
    while (!source.Idle() && waited.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

class TileServerTest : public testing::Test {
protected:
    // A map of the trip on the server's tiles; its picture once every tile asked for has come.
    QImage Picture(MapView& view, TileSource& source)
    {
        view.resize(400, 300);
        view.SetTileSource(&source, "Подложка: 127.0.0.1");
        view.SetTrip(trip, 5, 0);
        view.grab();
        WaitIdle(source);
        return view.grab().toImage();
    }

    TileServer server;
    TempDir cache;
    std::shared_ptr<const MapTrip> trip = WalkedTrip(Repeat(20, {12}));
};

TEST_F(TileServerTest, TilesAskedForDrawnUnderTheTrackAndKept)
{
    MapView view;
    TileSource source(server.Url(), QString::fromStdString(cache.path()));
    const QImage picture = Picture(view, source);

    // The tiles under the view: its corners in pixels of the zoom level.
    std::set<std::string> expected;
    const QPointF origin = view.ScreenPoint(0) - QPointF(trip->World[0].X, trip->World[0].Y) * WorldPixels(view.Zoom());
    for (int y = int(-origin.y()) / kTileSize; y <= int(-origin.y() + 299) / kTileSize; ++y)
        for (int x = int(-origin.x()) / kTileSize; x <= int(-origin.x() + 399) / kTileSize; ++x)
            expected.insert(QString("/%1/%2/%3.png").arg(view.Zoom()).arg(x).arg(y).toStdString());
    EXPECT_EQ(server.paths, expected);
    EXPECT_EQ(server.userAgent.rfind("Quillmarsh/", 0), 0u) << server.userAgent;

    EXPECT_EQ(picture.pixelColor(390, 5), kTileColor);
    EXPECT_EQ(picture.pixelColor(view.ScreenPoint(10).toPoint()), BandColor(*trip, 3));
    EXPECT_TRUE(view.Note().isEmpty());

    // A second opening takes them from the disk.
    server.paths.clear();
    MapView again;
    TileSource cached(server.Url(), QString::fromStdString(cache.path()));
    EXPECT_EQ(Picture(again, cached).pixelColor(390, 5), kTileColor);
    EXPECT_EQ(cached.RequestCount(), 0);
    EXPECT_TRUE(server.paths.empty());
}

TEST_F(TileServerTest, DeadServerLeavesTheGridAndSaysSo)
{
    const QString url = server.Url();
    server.Stop();
    MapView view;
    TileSource source(url, QString::fromStdString(cache.path()));
    const QImage picture = Picture(view, source);
    EXPECT_TRUE(source.Offline());
    EXPECT_EQ(view.Note().toStdString(), "Нет связи с сервером карт: показана сетка широт и долгот");
    EXPECT_NE(picture.pixelColor(390, 5), kTileColor);
    EXPECT_EQ(source.RequestCount(), 2);  // the two started before the first failure came back
}

}  // namespace
}  // namespace qm::test
