// drag_source [--at X Y] FILE-OR-URL...: a small window, placed at X, Y, that
// drags the files (or URLs) given when pressed, as a file manager does.
// Prints "ready X Y" with the global position of its centre once it is on the
// screen, and "ended ACTION" (the Qt::DropAction the target took, 0 for none)
// after each drag.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace {

class Source : public QWidget {
public:
    explicit Source(QList<QUrl> urls) : urls_(std::move(urls)) { setWindowTitle("drag source"); }

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setUrls(urls_);
        drag->setMimeData(data);
        const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
        std::printf("ended %d\n", static_cast<int>(action));
        std::fflush(stdout);
    }

private:
    QList<QUrl> urls_;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    QPoint at(900, 600);
    if (arguments.size() >= 3 && arguments[0] == "--at") {
        at = QPoint(arguments[1].toInt(), arguments[2].toInt());
        arguments = arguments.mid(3);
    }
    QList<QUrl> urls;
    for (const QString& argument : arguments)
        urls << (argument.contains("://") ? QUrl(argument) : QUrl::fromLocalFile(argument));
    Source source(urls);
    source.setGeometry(at.x(), at.y(), 160, 120);
    source.show();
    auto* ready = new QTimer(&app);
    QObject::connect(ready, &QTimer::timeout, [&] {
        if (!source.isVisible() || !source.windowHandle()->isExposed()) return;
        ready->stop();
        const QPoint centre = source.mapToGlobal(source.rect().center());
        std::printf("ready %d %d\n", centre.x(), centre.y());
        std::fflush(stdout);
    });
    ready->start(50);
    return app.exec();
}
