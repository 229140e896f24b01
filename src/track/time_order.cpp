#include "track/time_order.h"

#include "platform/date_time_text.h"
#include "platform/message_text.h"
#include "platform/number_text.h"

namespace qm {

std::string TimeOrderMessage(const TrackPoints& points, size_t n)
{
    return MessageText(MessageId::TimeOrder,
                       {IntToText(static_cast<int64_t>(n)), DateTimeText(points[n - 1].DateTime),
                        IntToText(static_cast<int64_t>(n) + 1), DateTimeText(points[n].DateTime)});
}

}  // namespace qm
