#include "formats/fit/fit_reader.h"

#include "formats/point_admission.h"
#include "formats/fit/fit_messages.h"
#include "platform/message_text.h"
#include "platform/number_text.h"

namespace qm {
namespace {

// Global message numbers and field numbers of the FIT profile.
constexpr uint16_t kRecord = 20;
constexpr uint16_t kEvent = 21;
enum RecordField : uint8_t {
    kLatitude = 0,
    kLongitude = 1,
    kAltitude = 2,
    kHeartRate = 3,
    kCadence = 4,
    kPower = 7,
    kTemperature = 13,
    kEnhancedAltitude = 78,
};
enum EventField : uint8_t { kEventKind = 0, kEventType = 1 };
constexpr uint32_t kTimerEvent = 0;
constexpr uint32_t kStartEvent = 0;

// Each base type's "no value".
constexpr uint32_t kInvalidUint8 = 0xFF;
constexpr uint32_t kInvalidSint8 = 0x7F;
constexpr uint32_t kInvalidUint16 = 0xFFFF;
constexpr uint32_t kInvalidSint32 = 0x7FFFFFFF;
constexpr uint32_t kInvalidUint32 = 0xFFFFFFFF;

constexpr double kSecondsPerDay = 86400;
// 1989-12-31, the FIT epoch, in seconds since 1899-12-30: a whole count of
// seconds is divided once, so that its day count is the nearest there is.
constexpr double kEpochSeconds = 32873 * kSecondsPerDay;
constexpr double kDegreesPerSemicircle = 180.0 / 2147483648.0;

std::optional<uint32_t> Valid(std::optional<uint32_t> value, uint32_t invalid)
{
    return value && *value != invalid ? value : std::nullopt;
}

// Altitudes are stored as (metres + 500) * 5; the offset taken off first
// is exact, so that 3082 gives 116.4 itself.
std::optional<double> Height(const FitMessage& record)
{
    std::optional<uint32_t> stored = Valid(record.Field(kEnhancedAltitude, 4), kInvalidUint32);
    if (!stored) stored = Valid(record.Field(kAltitude, 2), kInvalidUint16);
    if (!stored) return std::nullopt;
    return (*stored - 2500.0) / 5;
}

OfferedMeasures Measures(const FitMessage& record)
{
    OfferedMeasures measures;
    auto set = [&](Measure measure, std::optional<uint32_t> value, auto convert) {
        if (value) measures[static_cast<size_t>(measure)] = static_cast<double>(convert(*value));
    };
    auto same = [](uint32_t value) { return value; };
    set(Measure::HeartRate, Valid(record.Field(kHeartRate, 1), kInvalidUint8), same);
    set(Measure::Cadence, Valid(record.Field(kCadence, 1), kInvalidUint8), same);
    set(Measure::Power, Valid(record.Field(kPower, 2), kInvalidUint16), same);
    set(Measure::Temperature, Valid(record.Field(kTemperature, 1), kInvalidSint8),
        [](uint32_t value) { return static_cast<int8_t>(value); });
    return measures;
}

class FitTrackBuilder {
public:
    void Take(const FitMessage& message)
    {
        if (message.File != file_) {
            file_ = message.File;
            admission_.StartPiece();
        }
        if (message.Global == kEvent) {
            if (message.Field(kEventKind, 1) == kTimerEvent && message.Field(kEventType, 1) == kStartEvent)
                admission_.StartPiece();
        } else if (message.Global == kRecord) {
            TakeRecord(message);
        }
    }

    PointAdmission& Admission() { return admission_; }

private:
    void TakeRecord(const FitMessage& record)
    {
        OfferedPoint point;
        const std::optional<uint32_t> latitude = Valid(record.Field(kLatitude, 4), kInvalidSint32);
        const std::optional<uint32_t> longitude = Valid(record.Field(kLongitude, 4), kInvalidSint32);
        if (latitude && longitude) {
            point.Latitude = static_cast<int32_t>(*latitude) * kDegreesPerSemicircle;
            point.Longitude = static_cast<int32_t>(*longitude) * kDegreesPerSemicircle;
        }
        if (record.Timestamp && *record.Timestamp >= kFirstFitDate)
            point.Time = (kEpochSeconds + *record.Timestamp) / kSecondsPerDay;
        point.Height = Height(record);
        point.Measures = Measures(record);
        admission_.Offer(point);
    }

    PointAdmission admission_;
    size_t file_ = 0;
};

std::string Joined(const std::vector<std::string>& texts)
{
    std::string joined;
    for (const std::string& text : texts) joined += (joined.empty() ? "" : "; ") + text;
    return joined;
}


}  // namespace

bool StartsAsFit(std::string_view content)
{
    return content.size() >= 12 && static_cast<unsigned char>(content[0]) >= 12 && content.substr(8, 4) == ".FIT";
}

TrackReading ReadFitTrack(std::string_view content, const std::string& path)
{
    TrackReading reading;
    FitMessageStream stream(content);
    FitTrackBuilder builder;
    FitMessage message;
    while (stream.Next(message)) builder.Take(message);
    PointAdmission& admission = builder.Admission();
    const std::string damage = Joined(stream.Damage());
    if (!damage.empty() && admission.KeptCount() == 0) {
        reading.Messages.push_back(
            {false, MessageText(MessageId::FitDamagedEmpty, {path, damage})});
        return reading;
    }
    std::vector<Message> checked;
    reading.Track = admission.CheckedTrack({"record", "timestamp"}, path, checked);
    if (reading.Track && !damage.empty())
        reading.Messages.push_back(
            {false, MessageText(MessageId::FitDamaged, {path, damage})});
    reading.Messages.insert(reading.Messages.end(), checked.begin(), checked.end());
    return reading;
}

}  // namespace qm
