#include "visual/scale_clash.h"

#include "platform/path_text.h"
#include "visual/band_files.h"

namespace qm {
namespace {

std::string BoundsText(const WorkBand& band)
{
    return WholeNumberText(band.Lower) + "-" + WholeNumberText(band.Upper) + " км/ч";
}

}  // namespace

std::optional<std::string> ScaleClashMessage(const WorkBands& bands, const std::string& trackPath)
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
