#include "formats/ozi/plt_reader.h"

#include "platform/error.h"
#include "platform/large_pages.h"
#include "platform/line_reader.h"
#include "platform/message_text.h"
#include "platform/number_text.h"
#include "platform/text_fields.h"
#include "track/time_order.h"

#include <algorithm>

namespace qm {
namespace {

constexpr std::string_view kTrackMarker = "OziExplorer Track Point File";

// The points reserved at most before they are read: a file of blank lines
// is not to reserve what memory cannot hold. A longer track grows as it is read.
constexpr size_t kMaxReservedPoints = size_t{1} << 22;

// The next comma-ended field of a point line as a number; a number of the
// common form is converted as it is found, in one pass over its text.
double TakeFloat(std::string_view& line)
{
    const char* const end = line.data() + line.size();
    double value = 0;
    const char* const after = ReadShortDecimal(line.data(), end, value);
    if (after != nullptr && after != end && *after == ',') {
        line.remove_prefix(static_cast<size_t>(after - line.data()) + 1);
        return value;
    }
    return TextToFloat(TakeField(line, ','));
}

// The next field as whole feet.
int32_t TakeFeet(std::string_view& line)
{
    const char* const field = line.data();
    const double rounded = RoundHalfEven(TakeFloat(line));
    // The field converted, so it ended at the comma before the rest of the line.
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX))
        throw Error(NotIntegerMessage({field, static_cast<size_t>(line.data() - 1 - field)}));
    return static_cast<int32_t>(rounded);
}

// The track of the file's lines; a refusal is a message in reading.
template <typename Lines>
void ReadLines(Lines& lines, TrackReading& reading)
{
    PltDetails details;
    Track track;
    int lineNumber = 0;
    auto next = [&] {
        ++lineNumber;
        return lines.Next();
    };
    // A value that does not convert is an Error about the line it stands on.
    auto withLine = [&](auto convert) {
        try {
            return convert();
        } catch (const Error& error) {
            throw Error(error.what(), lineNumber);
        }
    };
    auto parse = [&](std::string_view line, TrackPoint& point) {
        const int32_t code = withLine([&] { return ParseTrackPoint(line, point); });
        if (code != 0 && code != 1)
            details.BreakCodes.emplace_back(static_cast<int32_t>(track.Points.size() - 1), code);
    };

    details.Header[0] = next();
    if (details.Header[0].find(kTrackMarker) == std::string::npos) {
        reading.Messages.push_back({false, MessageText(MessageId::WrongTrackFormat)});
        return;
    }
    for (size_t i = 1; i < details.Header.size(); ++i) details.Header[i] = next();
    // The declared point count is often wrong; only its form is checked.
    const std::string_view count = next();
    withLine([&] { return TextToInt(count); });

    TrackPoints& points = track.Points;
    points.reserve(std::min(lines.ExpectedLines(), kMaxReservedPoints));
    AdviseLargePages(points.data(), points.capacity() * sizeof(TrackPoint));
    parse(next(), points.emplace_back());
    if (points[0].DateTime == 0) {
        reading.Messages.push_back({false, MessageText(MessageId::NoTimeData)});
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

template <typename Lines>
TrackReading ReadLinesOf(Lines& lines)
{
    TrackReading reading;
    try {
        ReadLines(lines, reading);
    } catch (const Error& error) {
        reading.Messages.push_back({true, error.what(), error.Line()});
    }
    return reading;
}

}  // namespace

int32_t ParseTrackPoint(std::string_view line, TrackPoint& point)
{
    if (line.empty()) return 0;
    point.Latitude = TakeFloat(line);
    point.Longitude = TakeFloat(line);
    const int32_t code = TextToInt(TakeField(line, ','));
    point.StartsPiece = code != 0;
    point.Height = HeightOfFeet(TakeFeet(line));
    point.DateTime = TakeFloat(line);
    return code;
}

TrackReading ReadPltTrack(std::string_view content)
{
    LineReader lines(content);
    return ReadLinesOf(lines);
}

TrackReading ReadPltTrack(FileLineReader& file) { return ReadLinesOf(file); }

bool StartsAsPltTrack(std::string_view head)
{
    return head.substr(0, head.find('\n')).find(kTrackMarker) != std::string_view::npos;
}

}  // namespace qm
