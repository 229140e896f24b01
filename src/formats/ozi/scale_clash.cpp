#include "formats/ozi/scale_clash.h"

#include "platform/path_text.h"

namespace qm {
std::optional<std::string> ScaleClashMessage(const SpeedBands& bands, const std::vector<std::string>& bandFiles)
{
    for (int later = 1; later < kBandCount; ++later) {
        for (int earlier = 0; earlier < later; ++earlier) {
            if (bandFiles[earlier] != bandFiles[later]) continue;
            return "Шкала скоростей не годится: полосы " + BandRangeText(bands[earlier], "км/ч") + " и " +
                   BandRangeText(bands[later], "км/ч") + " записали бы один файл " + PathNamePart(bandFiles[later]) +
                   ". Верхние границы полос должны возрастать.";
        }
    }
    return std::nullopt;
}

}  // namespace qm
