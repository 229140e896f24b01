#include "formats/igc/igc_reader.h"

#include "formats/point_admission.h"
#include "formats/fix_time.h"
#include "formats/log_lines.h"
#include "platform/message_text.h"
#include "platform/quoted_input.h"

#include <cmath>
#include <optional>

namespace qm {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpperOrDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'Z'); }

// The value of the `width` digits at text[at].
std::optional<int> Digits(std::string_view text, size_t at, size_t width)
{
    int value = 0;
    for (size_t i = at; i < at + width; ++i) {
        if (!IsDigit(text[i])) return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// An angle written as degrees (`degreeDigits`), minutes and thousandths of
// a minute, then its hemisphere: positive or negative, signed degrees.
std::optional<double> Angle(std::string_view text, size_t at, size_t degreeDigits, char positive, char negative)
{
    const std::optional<int> degrees = Digits(text, at, degreeDigits);
    const std::optional<int> thousandths = Digits(text, at + degreeDigits, 5);
    const char hemisphere = text[at + degreeDigits + 5];
    if (!degrees || !thousandths || *thousandths >= 60000 || (hemisphere != positive && hemisphere != negative))
        return std::nullopt;
    const double value = *degrees + *thousandths / 60000.0;
    return hemisphere == positive ? value : -value;
}

// An altitude in metres, five characters: digits, or "-" and four digits.
std::optional<int> Altitude(std::string_view text, size_t at)
{
    if (text[at] != '-') return Digits(text, at, 5);
    const std::optional<int> value = Digits(text, at + 1, 4);
    return value ? std::optional<int>(-*value) : std::nullopt;
}

// The fixed fields of a B record: "B", time hhmmss, latitude DDMMmmm N/S,
// longitude DDDMMmmm E/W, validity A/V, pressure and GNSS altitudes.
constexpr size_t kFixLength = 35;

class IgcReader {
public:
    explicit IgcReader(const std::string& path) : path_(path) {}

    // False when the file is refused, with the reason in messages.
    bool Read(std::string_view content, std::vector<Message>& messages)
    {
        LineReader lines = LogLines(content);
        for (int number = 1; !lines.AtEnd(); ++number) {
            std::string_view line = lines.Next();
            if (line.starts_with("HFDTE")) {
                if (!ReadDate(line)) {
                    messages.push_back(
                        {true, MessageText(MessageId::IgcWrongDate, {QuotedInput(line)}), number, path_});
                    return false;
                }
            } else if (line.starts_with("B")) {
                sawFix_ = true;
                ReadFix(line);
            }
        }
        if (sawFix_ && !dated_) {
            messages.push_back({false, MessageText(MessageId::IgcNoDate, {path_})});
            return false;
        }
        return true;
    }

    PointAdmission& Admission() { return admission_; }

private:
    // "HFDTEddmmyy" or "HFDTEDATE:ddmmyy", either perhaps followed by ",nn"
    // (the flight's number that day).
    bool ReadDate(std::string_view line)
    {
        line.remove_prefix(5);
        if (line.starts_with("DATE:")) line.remove_prefix(5);
        line = line.substr(0, line.find(','));
        while (line.ends_with(' ')) line.remove_suffix(1);
        const std::optional<int64_t> day = DdMmYyDay(line);
        if (!day) return false;
        day_ = *day;
        dated_ = true;
        previousSecond_.reset();
        return true;
    }

    // A fix whose fields do not parse has a position out of range.
    void ReadFix(std::string_view line)
    {
        OfferedPoint point;
        const std::optional<double> second =
            line.size() >= 7 && dated_ ? HhMmSsSeconds(line.substr(1, 6)) : std::nullopt;
        if (second) {
            if (previousSecond_ && *second < *previousSecond_) ++day_;
            previousSecond_ = second;
            point.Time = FixDays(day_, *second);
        }
        std::optional<double> latitude, longitude;
        std::optional<int> pressure, gnss;
        char validity = '\0';
        if (line.size() >= kFixLength) {
            validity = line[24];
            latitude = Angle(line, 7, 2, 'N', 'S');
            longitude = Angle(line, 15, 3, 'E', 'W');
            pressure = Altitude(line, 25);
            gnss = Altitude(line, 30);
        }
        if (!latitude || !longitude || !pressure || !gnss || (validity != 'A' && validity != 'V')) {
            point.Latitude = point.Longitude = NAN;
        } else {
            point.Latitude = latitude;
            point.Longitude = longitude;
            if (validity == 'A' && *gnss != 0) point.Height = *gnss;
            else if (*pressure != 0) point.Height = *pressure;
        }
        admission_.Offer(point);
    }

    const std::string& path_;
    bool sawFix_ = false;
    bool dated_ = false;
    int64_t day_ = 0;
    std::optional<double> previousSecond_;
    PointAdmission admission_;
};

}  // namespace

bool StartsAsIgc(std::string_view content)
{
    LineReader lines = LogLines(content);
    const std::string_view first = NextFilledLine(lines);
    return first.size() >= 4 && first[0] == 'A' && IsUpperOrDigit(first[1]) && IsUpperOrDigit(first[2]) &&
           IsUpperOrDigit(first[3]) && NextFilledLine(lines).starts_with('H');
}

TrackReading ReadIgcTrack(std::string_view content, const std::string& path)
{
    TrackReading reading;
    IgcReader igc(path);
    if (igc.Read(content, reading.Messages))
        reading.Track = igc.Admission().CheckedTrack(
            {MessageText(MessageId::IgcPoint), MessageText(MessageId::IgcTime)}, path, reading.Messages);
    return reading;
}

}  // namespace qm
