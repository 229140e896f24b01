#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

#include <utility>
#include <vector>

namespace qm {

// The captions of a window's many labels, buttons and group boxes with their
// source texts, marked for lupdate (QT_TR_NOOP, QT_TRANSLATE_NOOP) in the
// context the captions are made with (the window's class): each shown in the
// interface language as it is added, and again on Retranslate.
class Captions {
public:
    explicit Captions(const char* context) : context_(context) {}

    template <typename Control>
    Control* Add(Control* control, const char* source)
    {
        captions_.emplace_back(control, source);
        Show(control, source);
        return control;
    }
    void Retranslate() const;

private:
    void Show(QWidget* control, const char* source) const;

    const char* context_;
    std::vector<std::pair<QWidget*, const char*>> captions_;
};

}  // namespace qm
