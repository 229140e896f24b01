#pragma once

#include <QLabel>

namespace qm {

// A one-line label that never widens its window: a text longer than the
// label is shown with its middle elided, and the whole text is its tooltip.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void SetText(const QString& text);
    // The text as it is drawn at the label's present width.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace qm
