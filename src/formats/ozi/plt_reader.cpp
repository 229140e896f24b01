#include "formats/ozi/plt_reader.h"

#include "formats/foreign_content.h"
#include "formats/point_admission.h"

#include "platform/error.h"
#include "platform/line_reader.h"
#include "platform/message_text.h"
#include "platform/number_text.h"
#include "platform/text_fields.h"
#include "track/time_order.h"

#include <algorithm>

namespace qm {
namespace {

constexpr std::string_view kTrackMarker = "OziExplorer Track Point File";

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

// The track of the file's lines, used up to the first time that does not
// increase; a refusal is a message in reading.
template <typename Lines>
void ReadLines(Lines& lines, const std::string& path, TrackReading& reading)
{
    PltDetails details;
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

    const bool empty = lines.AtEnd();
    details.Header[0] = next();
    if (details.Header[0].find(kTrackMarker) == std::string::npos) {
        reading.Messages.push_back({false, NoTrackMessage(details.Header[0], empty, path)});
        return;
    }
    for (size_t i = 1; i < details.Header.size(); ++i) details.Header[i] = next();
    // The declared point count is often wrong; only its form is checked.
    const std::string_view count = next();
    withLine([&] { return TextToInt(count); });

    PointAdmission admission(NotLaterRule::EndsTrack);
    admission.Expect(lines.ExpectedLines());
    // An empty line 7 is a first point without a time.
    bool first = true;
    while (first || !lines.AtEnd()) {
        const std::string_view line = next();
        if (line.empty() && !first) continue;
        OfferedPoint point;
        const int32_t code = withLine([&] { return ParseTrackPoint(line, point); });
        if (first && !point.Time) {
            reading.Messages.push_back({false, MessageText(MessageId::NoTimeData)});
            return;
        }
        first = false;
        if (code != 0) admission.StartPiece();
        const size_t kept = admission.KeptCount();
        const Admitted admitted = admission.Offer(point);
        if (admitted == Admitted::EndsTrack) {
            reading.Messages.push_back(
                {false, TimeOrderMessage(kept, admission.LastKept().DateTime, point.Time.value_or(0))});
            break;
        }
        if (admitted == Admitted::Kept && code != 0 && code != 1) details.BreakCodes.emplace_back(*point.Time, code);
    }
    reading.Track = admission.CheckedTrack({MessageText(MessageId::PltPoint), MessageText(MessageId::PltTime)},
                                           path, reading.Messages);
    if (reading.Track) reading.Plt = std::move(details);
}

template <typename Lines>
TrackReading ReadLinesOf(Lines& lines, const std::string& path)
{
    TrackReading reading;
    try {
        ReadLines(lines, path, reading);
    } catch (const Error& error) {
        reading.Messages.push_back({true, error.what(), error.Line()});
    }
    return reading;
}

}  // namespace

int32_t ParseTrackPoint(std::string_view line, OfferedPoint& point)
{
    if (line.empty()) return 0;
    point.Latitude = TakeFloat(line);
    point.Longitude = TakeFloat(line);
    const int32_t code = TextToInt(TakeField(line, ','));
    point.Height = HeightOfFeet(TakeFeet(line));
    const double days = TakeFloat(line);
    point.Time = days != 0 ? std::optional<double>(days) : std::nullopt;
    return code;
}

TrackReading ReadPltTrack(std::string_view content, const std::string& path)
{
    LineReader lines(content);
    return ReadLinesOf(lines, path);
}

TrackReading ReadPltTrack(FileLineReader& file, const std::string& path) { return ReadLinesOf(file, path); }

bool StartsAsPlt(std::string_view head)
{
    return head.substr(0, head.find('\n')).find(kTrackMarker) != std::string_view::npos;
}

}  // namespace qm
