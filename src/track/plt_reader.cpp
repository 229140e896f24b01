#include "track/plt_reader.h"

#include "platform/date_time_text.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/file_line_reader.h"
#include "platform/message_sink.h"
#include "platform/number_text.h"

#include <cmath>

namespace qm {
namespace {

constexpr std::string_view kTrackMarker = "OziExplorer Track Point File";

// Field k of a comma-separated line is the text between the (k-1)-th comma
// and the k-th; without a k-th comma it is empty.
class FieldCutter {
public:
    explicit FieldCutter(std::string_view line) : rest_(line) {}
    std::string_view Next()
    {
        size_t comma = rest_.find(',');
        if (comma == std::string_view::npos) return {};
        std::string_view field = rest_.substr(0, comma);
        rest_.remove_prefix(comma + 1);
        return field;
    }

private:
    std::string_view rest_;
};

int32_t ReadAltitude(std::string_view field)
{
    double rounded = RoundHalfEven(TextToFloat(field));
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX))
        throw Error(NotIntegerMessage(field));
    return static_cast<int32_t>(rounded);
}

std::string TimeOrderMessage(const TTrackRecArray& points, size_t n)
{
    std::string before = IntToText(static_cast<int64_t>(n));
    return "Ошибка в треке! Отметка времени точек: #" + before + " - " +
           DateTimeText(points[n - 1].DateTime) + "; #" + IntToText(static_cast<int64_t>(n) + 1) + " - " +
           DateTimeText(points[n].DateTime) + ". Трек будет обработан до точки #" + before + ".";
}

}  // namespace

void ParseTrackPoint(std::string_view line, TrackPoint& point)
{
    if (line.empty()) return;
    FieldCutter fields(line);
    point.Latitude = TextToFloat(fields.Next());
    point.Longitude = TextToFloat(fields.Next());
    point.BreakCode = TextToInt(fields.Next());
    point.Altitude = ReadAltitude(fields.Next());
    point.DateTime = TextToFloat(fields.Next());
}

Track LoadTrack(const std::string& path, MessageSink& sink)
{
    Track track;
    if (!FileExists(path)) {
        sink.ShowMessage("Файл трека не найден!");
        return track;
    }
    FileLineReader lines;
    if (!lines.Open(path)) {
        sink.ShowMessage("Не удалось открыть файл трека.");
        return track;
    }

    int lineNumber = 0;
    auto next = [&] {
        ++lineNumber;
        return lines.Next();
    };
    // A value that does not convert is an Error about the line it stands on.
    auto convert = [&](auto conversion) {
        try {
            conversion();
        } catch (const Error& error) {
            throw Error(error.what(), lineNumber);
        }
    };

    track.Header[0] = next();
    if (track.Header[0].find(kTrackMarker) == std::string::npos) {
        sink.ShowMessage("Неверный формат трека!");
        return track;
    }
    for (size_t i = 1; i < track.Header.size(); ++i) track.Header[i] = next();
    // The declared point count is often wrong; only its form is checked.
    convert([&] { TextToInt(next()); });

    TTrackRecArray& points = track.Points;
    points.emplace_back();
    convert([&] { ParseTrackPoint(next(), points[0]); });
    if (points[0].DateTime == 0) {
        sink.ShowMessage("В треке нет данных о времени.");
        return track;
    }

    while (!lines.AtEnd()) {
        std::string_view line = next();
        if (line.empty()) continue;
        TrackPoint& point = points.emplace_back();
        convert([&] { ParseTrackPoint(line, point); });
        size_t n = points.size() - 1;
        if (!(point.DateTime > points[n - 1].DateTime)) {
            sink.ShowMessage(TimeOrderMessage(points, n));
            points.pop_back();
            break;
        }
    }
    track.PointCount = static_cast<int32_t>(points.size());
    return track;
}

}  // namespace qm
