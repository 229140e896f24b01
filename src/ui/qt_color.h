#pragma once

#include <QColor>

#include <cstdint>

namespace qm {

// The core keeps colours as 0x00BBGGRR, red in the lowest byte.
inline QColor ColorOf(int32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
inline int32_t BgrOf(const QColor& color) { return color.red() | color.green() << 8 | color.blue() << 16; }

}  // namespace qm
