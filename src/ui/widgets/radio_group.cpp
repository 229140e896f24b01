#include "ui/widgets/radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace qm {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this))
{
    auto* layout = new QGridLayout(this);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        layout->addWidget(button, i % rows, i / rows);
    }
    connect(group_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        FollowSelectionWithTab();
        if (on) emit Changed();
    });
}

void RadioGroup::FollowSelectionWithTab()
{
    const QAbstractButton* checked = group_->checkedButton();
    for (QAbstractButton* button : group_->buttons())
        button->setFocusPolicy(!checked || button == checked ? Qt::StrongFocus : Qt::ClickFocus);
}

int RadioGroup::ItemIndex() const { return group_->checkedId(); }

void RadioGroup::SetItemIndex(int index)
{
    if (index == ItemIndex()) return;
    if (index >= 0) {
        group_->button(index)->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last button.
    group_->setExclusive(false);
    group_->checkedButton()->setChecked(false);
    group_->setExclusive(true);
    emit Changed();
}

QRadioButton* RadioGroup::Item(int index) const { return static_cast<QRadioButton*>(group_->button(index)); }

}  // namespace qm
