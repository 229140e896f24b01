#include "ui/widgets/color_box.h"

#include "ui/qt_color.h"

#include <QPalette>

namespace qm {

ColorBox::ColorBox(int tag, QWidget* parent) : QLineEdit(parent), band_(tag)
{
    setAlignment(Qt::AlignCenter);
    SetColor(color_);
}

void ColorBox::SetColor(int32_t color)
{
    color_ = color;
    QColor background = ColorOf(color);
    // Perceived brightness (ITU-R BT.601 weights).
    int luma = (299 * background.red() + 587 * background.green() + 114 * background.blue()) / 1000;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, luma < 128 ? Qt::white : Qt::black);
    setPalette(palette);
}

void ColorBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit DoubleClicked(this);
}

}  // namespace qm
