#include "formats/ozi/plt_reader.h"

#include "platform/error.h"
#include "platform/line_reader.h"
#include "platform/number_text.h"
#include "platform/text_fields.h"
#include "track/time_order.h"

namespace qm {
namespace {

constexpr std::string_view kTrackMarker = "OziExplorer Track Point File";

int32_t ReadFeet(std::string_view field)
{
    double rounded = RoundHalfEven(TextToFloat(field));
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX))
        throw Error(NotIntegerMessage(field));
    return static_cast<int32_t>(rounded);
}

// The track of the file's lines; a refusal is a message in reading.
void ReadLines(LineReader& lines, TrackReading& reading)
{
    PltDetails details;
    Track track;
    int lineNumber = 0;
    auto next = [&] {
        ++lineNumber;
        return lines.Next();
    };
    // A value that does not convert is an Error about the line it stands on.
    auto parse = [&](std::string_view line, TrackPoint& point) {
        try {
            const int32_t code = ParseTrackPoint(line, point);
            if (code != 0 && code != 1)
                details.BreakCodes.emplace_back(static_cast<int32_t>(track.Points.size() - 1), code);
        } catch (const Error& error) {
            throw Error(error.what(), lineNumber);
        }
    };

    details.Header[0] = next();
    if (details.Header[0].find(kTrackMarker) == std::string::npos) {
        reading.Messages.push_back({false, "Неверный формат трека!"});
        return;
    }
    for (size_t i = 1; i < details.Header.size(); ++i) details.Header[i] = next();
    // The declared point count is often wrong; only its form is checked.
    try {
        TextToInt(next());
    } catch (const Error& error) {
        throw Error(error.what(), lineNumber);
    }

    TrackPoints& points = track.Points;
    points.reserve(lines.LinesLeft());
    parse(next(), points.emplace_back());
    if (points[0].DateTime == 0) {
        reading.Messages.push_back({false, "В треке нет данных о времени."});
        return;
    }

    while (!lines.AtEnd()) {
        std::string_view line = next();
        if (line.empty()) continue;
        TrackPoint& point = points.emplace_back();
        parse(line, point);
        size_t n = points.size() - 1;
        if (!(point.DateTime > points[n - 1].DateTime)) {
            reading.Messages.push_back({false, TimeOrderMessage(points, n)});
            points.pop_back();
            if (!details.BreakCodes.empty() && details.BreakCodes.back().first == static_cast<int32_t>(n))
                details.BreakCodes.pop_back();
            break;
        }
    }
    reading.Track = std::move(track);
    reading.Plt = std::move(details);
}

}  // namespace

int32_t ParseTrackPoint(std::string_view line, TrackPoint& point)
{
    if (line.empty()) return 0;
    point.Latitude = TextToFloat(TakeField(line, ','));
    point.Longitude = TextToFloat(TakeField(line, ','));
    const int32_t code = TextToInt(TakeField(line, ','));
    point.StartsPiece = code != 0;
    point.Height = HeightOfFeet(ReadFeet(TakeField(line, ',')));
    point.DateTime = TextToFloat(TakeField(line, ','));
    return code;
}

TrackReading ReadPltTrack(std::string_view content)
{
    TrackReading reading;
    LineReader lines(content);
    try {
        ReadLines(lines, reading);
    } catch (const Error& error) {
        reading.Messages.push_back({true, error.what(), error.Line()});
    }
    return reading;
}

}  // namespace qm
