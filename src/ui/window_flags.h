#pragma once

#include <Qt>

namespace qm {

// A dialog frame: title and close box, no minimise, maximise or help box.
inline constexpr Qt::WindowFlags kDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

}  // namespace qm
