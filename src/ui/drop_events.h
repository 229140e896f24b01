#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace qm {

// What a drop brought, kept beyond the drop itself.
struct DropContents {
    QList<QUrl> Urls;
    QString Text;
};

// The drop handler of a widget: drags that carry URLs or text (with urlsOnly,
// URLs alone; an editable field keeps its own way with text) are taken as a
// copy while taking() says so, and their contents go to dropped once the drop
// is over, so that a box it shows does not hold up the program the drag came
// from. Other drags are refused: the pointer shows they cannot be dropped.
void OnDrop(QWidget* target, std::function<bool()> taking, std::function<void(const DropContents&)> dropped,
            bool urlsOnly = false);

}  // namespace qm
