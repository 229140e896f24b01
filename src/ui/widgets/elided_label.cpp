#include "ui/widgets/elided_label.h"

#include <QPainter>

namespace qm {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::SetText(const QString& text)
{
    setText(text);
    setToolTip(text);
}

QString ElidedLabel::ShownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(contentsRect(), static_cast<int>(alignment()), ShownText());
}

}  // namespace qm
