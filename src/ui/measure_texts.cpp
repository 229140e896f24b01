#include "ui/measure_texts.h"

#include <QCoreApplication>

namespace qm {
namespace {

struct MeasureText {
    const char* Caption;
    const char* Unit;
};
// In the order of ColourMeasure.
constexpr MeasureText kTexts[kColourMeasureCount] = {
    {QT_TRANSLATE_NOOP("qm::MeasureTexts", "Скорость"), QT_TRANSLATE_NOOP("qm::MeasureTexts", "км/ч")},
    {QT_TRANSLATE_NOOP("qm::MeasureTexts", "Высота"), QT_TRANSLATE_NOOP("qm::MeasureTexts", "м")},
    {QT_TRANSLATE_NOOP("qm::MeasureTexts", "Уклон"), "%"},
    {QT_TRANSLATE_NOOP("qm::MeasureTexts", "Пульс"), QT_TRANSLATE_NOOP("qm::MeasureTexts", "уд/мин")},
    {QT_TRANSLATE_NOOP("qm::MeasureTexts", "Каденс"), QT_TRANSLATE_NOOP("qm::MeasureTexts", "об/мин")},
    {QT_TRANSLATE_NOOP("qm::MeasureTexts", "Мощность"), QT_TRANSLATE_NOOP("qm::MeasureTexts", "Вт")},
    {QT_TRANSLATE_NOOP("qm::MeasureTexts", "Температура"), "°C"},
};

QString Translated(const char* text) { return QCoreApplication::translate("qm::MeasureTexts", text); }

}  // namespace

QString ColourMeasureCaption(ColourMeasure measure) { return Translated(kTexts[size_t(measure)].Caption); }

QString ColourMeasureUnitCaption(ColourMeasure measure) { return Translated(kTexts[size_t(measure)].Unit); }

}  // namespace qm
