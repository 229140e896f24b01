#include "track/time_order.h"

#include "platform/date_time_text.h"
#include "platform/number_text.h"

namespace qm {

std::string TimeOrderMessage(const TrackPoints& points, size_t n)
{
    std::string before = IntToText(static_cast<int64_t>(n));
    return "Ошибка в треке! Отметка времени точек: #" + before + " - " +
           DateTimeText(points[n - 1].DateTime) + "; #" + IntToText(static_cast<int64_t>(n) + 1) + " - " +
           DateTimeText(points[n].DateTime) + ". Трек будет обработан до точки #" + before + ".";
}

}  // namespace qm
