#include "formats/ozi/plt_reader.h"

#include "platform/error.h"
#include "platform/file_line_reader.h"
#include "platform/file_system.h"
#include "platform/number_text.h"
#include "platform/text_fields.h"
#include "track/time_order.h"

namespace qm {
namespace {

constexpr std::string_view kTrackMarker = "OziExplorer Track Point File";

int32_t ReadAltitude(std::string_view field)
{
    double rounded = RoundHalfEven(TextToFloat(field));
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX))
        throw Error(NotIntegerMessage(field));
    return static_cast<int32_t>(rounded);
}

// The track of an open file; a refusal is a message in reading.
std::optional<Track> ReadTrack(FileLineReader& lines, std::vector<Message>& messages)
{
    Track track;
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
        messages.push_back({false, "Неверный формат трека!"});
        return std::nullopt;
    }
    for (size_t i = 1; i < track.Header.size(); ++i) track.Header[i] = next();
    // The declared point count is often wrong; only its form is checked.
    convert([&] { TextToInt(next()); });

    TrackPoints& points = track.Points;
    points.emplace_back();
    convert([&] { ParseTrackPoint(next(), points[0]); });
    if (points[0].DateTime == 0) {
        messages.push_back({false, "В треке нет данных о времени."});
        return std::nullopt;
    }

    while (!lines.AtEnd()) {
        std::string_view line = next();
        if (line.empty()) continue;
        TrackPoint& point = points.emplace_back();
        convert([&] { ParseTrackPoint(line, point); });
        size_t n = points.size() - 1;
        if (!(point.DateTime > points[n - 1].DateTime)) {
            messages.push_back({false, TimeOrderMessage(points, n)});
            points.pop_back();
            break;
        }
    }
    return track;
}

}  // namespace

void ParseTrackPoint(std::string_view line, TrackPoint& point)
{
    if (line.empty()) return;
    point.Latitude = TextToFloat(TakeField(line, ','));
    point.Longitude = TextToFloat(TakeField(line, ','));
    point.BreakCode = TextToInt(TakeField(line, ','));
    point.Altitude = ReadAltitude(TakeField(line, ','));
    point.DateTime = TextToFloat(TakeField(line, ','));
}

TrackReading LoadPltTrack(const std::string& path)
{
    TrackReading reading;
    if (!FileExists(path)) {
        reading.Messages.push_back({false, "Файл трека не найден!"});
        return reading;
    }
    FileLineReader lines;
    if (!lines.Open(path)) {
        reading.Messages.push_back({false, "Не удалось открыть файл трека."});
        return reading;
    }
    try {
        reading.Track = ReadTrack(lines, reading.Messages);
    } catch (const Error& error) {
        reading.Messages.push_back({true, error.what(), error.Line()});
    }
    return reading;
}

}  // namespace qm
