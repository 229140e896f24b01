#pragma once

#include <QWidget>

class QLineEdit;

namespace qm {

// A one-line edit with up and down arrows beside it. The arrows (and the Up
// and Down keys in the edit) step the number in the edit within
// [minimum, maximum] and set the text, which does not count as typing. What
// the user types is not limited to the range.
class SpinEdit : public QWidget {
    Q_OBJECT
public:
    // editName and upDownName name the edit and the arrows.
    SpinEdit(int minimum, int maximum, const QString& editName, const QString& upDownName, QWidget* parent = nullptr);

    QLineEdit* Edit() const { return edit_; }
    // The number in the edit (the minimum when it holds none), clamped to the
    // range, moved by delta and clamped again.
    void Step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int minimum_;
    int maximum_;
    QLineEdit* edit_;
};

}  // namespace qm
