#include "ui/dialog_keys.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace qm {
namespace {

// Sees the keys that the focused control leaves to its window.
class DialogKeys : public QObject {
public:
    DialogKeys(QWidget* window, QPushButton* okButton, QPushButton* cancelButton)
        : QObject(window), window_(window), ok_(okButton), cancel_(cancelButton)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window_ || event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        QPushButton* button = nullptr;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            button = ok_;
        else if (key->key() == Qt::Key_Escape)
            button = cancel_;
        if (!button || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        if (button->isEnabled()) button->click();
        return true;
    }

private:
    QWidget* window_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace

void UseDialogKeys(QWidget* window, QPushButton* okButton, QPushButton* cancelButton)
{
    okButton->setDefault(true);
    // A focused button takes Enter itself.
    for (QPushButton* button : window->findChildren<QPushButton*>()) button->setAutoDefault(true);
    new DialogKeys(window, okButton, cancelButton);
}

}  // namespace qm
