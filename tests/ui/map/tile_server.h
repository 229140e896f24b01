#pragma once

#include "map/web_mercator.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtEndian>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace qm::test {

inline const QColor kTileColor(20, 120, 220);

// Runs the event loop until done() or timeoutMs have passed; done()'s last answer.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 10000)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < timeoutMs) QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// A PNG image of width x height black pixels in 8-bit RGB, written by hand:
// at 5000 x 5000 it is 70 KB of file that decodes to 100 MB.
inline QByteArray BlackPng(quint32 width, quint32 height)
{
    auto chunk = [](const QByteArray& kind, const QByteArray& data) {
        static const auto table = [] {
            std::array<quint32, 256> crcs{};
            for (quint32 n = 0; n < 256; ++n) {
                quint32 c = n;
                for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
                crcs[n] = c;
            }
            return crcs;
        }();
        const QByteArray body = kind + data;
        quint32 crc = 0xFFFFFFFFu;
        for (char byte : body) crc = table[(crc ^ quint8(byte)) & 0xFF] ^ (crc >> 8);
        auto be = [](quint32 value) {
            QByteArray bytes(4, 0);
            qToBigEndian(value, bytes.data());
            return bytes;
        };
        return be(quint32(data.size())) + body + be(crc ^ 0xFFFFFFFFu);
    };
    QByteArray header(13, 0);
    qToBigEndian(width, header.data());
    qToBigEndian(height, header.data() + 4);
    header[8] = 8;  // bits per sample
    header[9] = 2;  // RGB
    const QByteArray rows(qsizetype(height) * (1 + 3 * width), 0);  // filter byte 0 and black pixels, row by row
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", qCompress(rows, 9).mid(4)) +
           chunk("IEND", {});
}

// A tile server on 127.0.0.1 that a test starts and stops. It answers each
// request as `answers` says for its path, else as `answer` says, and records
// the paths asked for and the User-Agent.
class TileServer {
public:
    enum class Answer {
        Tile,          // a square of kTileColor
        Refused,       // the connection closed without an answer
        Silent,        // no answer at all
        NotFound,      // status 404
        Html,          // an HTML page with status 200
        Corrupt,       // a PNG with bytes damaged in its middle
        Truncated,     // the first half of a PNG, without a length
        Streamed,      // zeros without a length, kStreamLimit bytes at most
        HugeDeclared,  // a Content-Length of 2 GiB, then zeros as Streamed
        Bomb,          // a PNG declaring 5000 x 5000 pixels
        Deflated,      // 16 KB of body that inflates to 16 MiB
    };
    static constexpr qint64 kStreamLimit = 64 << 20;

    TileServer()
    {
        QImage tile(kTileSize, kTileSize, QImage::Format_RGB32);
        tile.fill(kTileColor);
        QBuffer buffer(&png_);
        buffer.open(QIODevice::WriteOnly);
        tile.save(&buffer, "PNG");
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] { Read(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        Start();
    }
    // Listens again, on the port of before.
    bool Start()
    {
        if (!server_.listen(QHostAddress::LocalHost, port_)) return false;
        port_ = server_.serverPort();
        return true;
    }
    // No new connection is taken; those open stay.
    void Stop() { server_.close(); }

    QString Url() const { return QString("http://127.0.0.1:%1/{z}/{x}/{y}.png").arg(port_); }
    const QByteArray& Png() const { return png_; }

    Answer answer = Answer::Tile;
    std::map<std::string, Answer> answers;
    std::vector<std::string> paths;
    std::string userAgent;
    qint64 streamed = 0;  // bytes of streamed bodies sent so far

private:
    void Read(QTcpSocket* socket)
    {
        QByteArray& request = requests_[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n")) return;
        const QList<QByteArray> lines = request.split('\n');
        const std::string path = lines[0].split(' ').value(1).toStdString();
        requests_.remove(socket);
        paths.push_back(path);
        for (const QByteArray& line : lines)
            if (line.toLower().startsWith("user-agent:")) userAgent = line.mid(11).trimmed().toStdString();
        const auto chosen = answers.find(path);
        Reply(socket, chosen == answers.end() ? answer : chosen->second);
    }

    void Reply(QTcpSocket* socket, Answer how)
    {
        auto send = [socket](const QByteArray& type, const QByteArray& body, const QByteArray& status = "200 OK") {
            socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + type +
                          "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" +
                          body);
            socket->disconnectFromHost();
        };
        switch (how) {
        case Answer::Tile: return send("image/png", png_);
        case Answer::Refused: return socket->abort();
        case Answer::Silent: return;
        case Answer::NotFound: return send("text/plain", "no such tile", "404 Not Found");
        case Answer::Html: return send("text/html", "<html><body>Tile usage policy: blocked</body></html>");
        case Answer::Corrupt: {
            QByteArray damaged = png_;
            for (qsizetype n = damaged.size() / 3; n < damaged.size() * 2 / 3; ++n) damaged[n] = char(~damaged[n]);
            return send("image/png", damaged);
        }
        case Answer::Truncated:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nConnection: close\r\n\r\n" +
                          png_.left(png_.size() / 2));
            return socket->disconnectFromHost();
        case Answer::Bomb: return send("image/png", Bomb());
        case Answer::Deflated: {
            const QByteArray body = qCompress(QByteArray(16 << 20, 0), 9).mid(4);  // zlib's format, as deflate is
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nContent-Encoding: deflate\r\nContent-Length: " +
                          QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
            return socket->disconnectFromHost();
        }
        case Answer::Streamed:
        case Answer::HugeDeclared:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nConnection: close\r\n" +
                          QByteArray(how == Answer::HugeDeclared ? "Content-Length: 2147483648\r\n" : "") + "\r\n");
            // More as the client takes it, at most 64 KiB every 2 ms, up to the
            // limit: a client that abandons the body in time stops it well
            // before, even when its thread is slow to hear of the headers.
            {
                auto* pace = new QTimer(socket);
                QObject::connect(pace, &QTimer::timeout, socket, [this, socket, pace] {
                    static const QByteArray zeros(64 << 10, 0);
                    if (socket->state() != QAbstractSocket::ConnectedState || streamed >= kStreamLimit)
                        return pace->stop();
                    if (socket->bytesToWrite() >= (256 << 10)) return;
                    socket->write(zeros);
                    streamed += zeros.size();
                });
                pace->start(2);
            }
            return;
        }
    }

    const QByteArray& Bomb()
    {
        if (bomb_.isEmpty()) bomb_ = BlackPng(5000, 5000);
        return bomb_;
    }

    QTcpServer server_;
    quint16 port_ = 0;
    QByteArray png_;
    QByteArray bomb_;
    QHash<QTcpSocket*, QByteArray> requests_;
};

}  // namespace qm::test
