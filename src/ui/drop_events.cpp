#include "ui/drop_events.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

namespace qm {
namespace {

class DropWatcher : public QObject {
public:
    DropWatcher(QWidget* target, std::function<bool()> taking, std::function<void(const DropContents&)> dropped,
                bool urlsOnly)
        : QObject(target), taking_(std::move(taking)), dropped_(std::move(dropped)), urlsOnly_(urlsOnly)
    {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return QObject::eventFilter(watched, event);
        auto* drop = static_cast<QDropEvent*>(event);
        const QMimeData* data = drop->mimeData();
        const bool hasUrls = data && data->hasUrls();
        if (urlsOnly_ && !hasUrls) return QObject::eventFilter(watched, event);
        // Never a move: the source would delete what it gave.
        const Qt::DropAction action = drop->possibleActions().testFlag(Qt::CopyAction) ? Qt::CopyAction
                                      : drop->possibleActions().testFlag(Qt::LinkAction) ? Qt::LinkAction
                                                                                         : Qt::IgnoreAction;
        if (!data || (!hasUrls && !data->hasText()) || action == Qt::IgnoreAction || !taking_()) {
            event->ignore();
            return true;
        }
        drop->setDropAction(action);
        drop->accept();
        if (type == QEvent::Drop) {
            DropContents contents{hasUrls ? data->urls() : QList<QUrl>(), hasUrls ? QString() : data->text()};
            QTimer::singleShot(0, this, [this, contents] { dropped_(contents); });
        }
        return true;
    }

private:
    std::function<bool()> taking_;
    std::function<void(const DropContents&)> dropped_;
    bool urlsOnly_;
};

}  // namespace

void OnDrop(QWidget* target, std::function<bool()> taking, std::function<void(const DropContents&)> dropped,
            bool urlsOnly)
{
    new DropWatcher(target, std::move(taking), std::move(dropped), urlsOnly);
}

}  // namespace qm
