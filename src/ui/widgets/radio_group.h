#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace qm {

// A titled group of exclusive radio buttons whose selection is an item index
// (-1: none). Changed is emitted on every actual change of the selection,
// whether the user clicks another item or the program selects one; clicking
// the selected item changes nothing. Tab into the group lands on the
// selected item (on the first when none is selected).
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent = nullptr);

    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton* Item(int index) const;

signals:
    void Changed();

private:
    void FollowSelectionWithTab();

    QButtonGroup* group_;
};

}  // namespace qm
