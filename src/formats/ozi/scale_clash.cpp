#include "formats/ozi/scale_clash.h"

#include "formats/ozi/plt_writer.h"
#include "platform/number_text.h"
#include "platform/path_text.h"

namespace qm {
namespace {

std::string BoundsText(const SpeedBand& band)
{
    return FloatToText(band.Lower) + "-" + FloatToText(band.Upper) + " км/ч";
}

}  // namespace

std::optional<std::string> ScaleClashMessage(const SpeedBands& bands, const std::string& trackPath)
{
    for (int later = 1; later < kBandCount; ++later) {
        for (int earlier = 0; earlier < later; ++earlier) {
            const std::string suffix = BandFileSuffix(bands[earlier]);
            if (suffix != BandFileSuffix(bands[later])) continue;
            return "Шкала скоростей не годится: полосы " + BoundsText(bands[earlier]) + " и " +
                   BoundsText(bands[later]) + " записали бы один файл " + OutputName(trackPath, suffix) +
                   ". Верхние границы полос должны возрастать.";
        }
    }
    return std::nullopt;
}

}  // namespace qm
