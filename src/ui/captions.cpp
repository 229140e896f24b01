#include "ui/captions.h"

#include <QCoreApplication>

namespace qm {

void Captions::Retranslate() const
{
    for (const auto& [control, source] : captions_) Show(control, source);
}

void Captions::Show(QWidget* control, const char* source) const
{
    const QString text = QCoreApplication::translate(context_, source);
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
}

}  // namespace qm
