#include "formats/ozi/scale_clash.h"

#include "platform/message_text.h"
#include "platform/path_text.h"

namespace qm {
std::optional<std::string> ScaleClashMessage(const SpeedBands& bands, const std::vector<std::string>& bandFiles)
{
    for (int later = 1; later < kBandCount; ++later) {
        for (int earlier = 0; earlier < later; ++earlier) {
            if (bandFiles[earlier] != bandFiles[later]) continue;
            const std::string unit = MessageText(MessageId::SpeedUnit);
            return MessageText(MessageId::ScaleClash, {BandRangeText(bands[earlier], unit), BandRangeText(bands[later], unit),
                                                       PathNamePart(bandFiles[later])});
        }
    }
    return std::nullopt;
}

}  // namespace qm
