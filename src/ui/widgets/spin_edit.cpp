#include "ui/widgets/spin_edit.h"

#include "platform/number_text.h"
#include "ui/qt_text.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {
namespace {

QToolButton* ArrowButton(Qt::ArrowType arrow, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The edit keeps the focus, so that the arrows are no exit from it.
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    return button;
}

}  // namespace

SpinEdit::SpinEdit(int minimum, int maximum, const QString& editName, const QString& upDownName, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), edit_(new QLineEdit(this))
{
    edit_->setObjectName(editName);
    edit_->installEventFilter(this);

    auto* upDown = new QWidget(this);
    upDown->setObjectName(upDownName);
    auto* arrows = new QVBoxLayout(upDown);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    QToolButton* up = ArrowButton(Qt::UpArrow, upDown);
    QToolButton* down = ArrowButton(Qt::DownArrow, upDown);
    arrows->addWidget(up);
    arrows->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down, &QToolButton::clicked, this, [this] { Step(-1); });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(edit_);
    layout->addWidget(upDown);
    setFocusProxy(edit_);
}

void SpinEdit::Step(int delta)
{
    int value = std::clamp(TryTextToInt(TextOf(edit_)).value_or(minimum_), minimum_, maximum_);
    value = std::clamp(value + delta, minimum_, maximum_);
    edit_->setText(ToQt(IntToText(value)));
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace qm
