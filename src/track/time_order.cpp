#include "track/time_order.h"

#include "platform/date_time_text.h"
#include "platform/message_text.h"
#include "platform/number_text.h"

namespace qm {

std::string TimeOrderMessage(size_t n, double previous, double time)
{
    return MessageText(MessageId::TimeOrder, {IntToText(static_cast<int64_t>(n)), DateTimeText(previous),
                                              IntToText(static_cast<int64_t>(n) + 1), DateTimeText(time)});
}

}  // namespace qm
