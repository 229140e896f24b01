#pragma once

#include "settings/colour_measure.h"

#include <QString>

namespace qm {

// What the map window calls what a track is coloured by ("Скорость",
// "Пульс"...) and its unit ("км/ч", "уд/мин"...), in the interface language.
QString ColourMeasureCaption(ColourMeasure measure);
QString ColourMeasureUnitCaption(ColourMeasure measure);

}  // namespace qm
