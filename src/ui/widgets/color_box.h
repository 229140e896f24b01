#pragma once

#include <QLineEdit>

#include <cstdint>

namespace qm {

// A one-line edit that shows a band: its text is the band's upper bound, its
// background the band's colour (0x00BBGGRR). The text is drawn black or
// white, whichever reads better on the colour.
class ColorBox : public QLineEdit {
    Q_OBJECT
public:
    explicit ColorBox(int tag, QWidget* parent = nullptr);

    // The band's index in its scale, 0 to 9.
    int Band() const { return band_; }
    int32_t Color() const { return color_; }
    void SetColor(int32_t color);

signals:
    void DoubleClicked(ColorBox* box);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int band_;
    int32_t color_ = 0xFFFFFF;
};

}  // namespace qm
