#include "formats/nmea/nmea_reader.h"

#include "formats/point_admission.h"
#include "formats/fix_time.h"
#include "formats/log_lines.h"
#include "platform/message_text.h"
#include "platform/number_text.h"

#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace qm {
namespace {

// Whether text starts with a sentence's address: "$", five capital letters
// or digits (talker and sentence), ",".
bool StartsWithAddress(std::string_view text)
{
    if (text.size() < 7 || text[0] != '$' || text[6] != ',') return false;
    for (char c : text.substr(1, 5))
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The fields of a sentence, blanks around each trimmed; past the last one
// every field is empty.
class Fields {
public:
    explicit Fields(std::string_view body)
    {
        for (size_t i = 0; i < fields_.size(); ++i) {
            const size_t comma = body.find(',');
            fields_[i] = Trimmed(body.substr(0, comma));
            if (comma == std::string_view::npos) break;
            body.remove_prefix(comma + 1);
        }
    }
    std::string_view operator[](size_t i) const { return fields_[i]; }

private:
    // GGA, the longest sentence read, has 15 fields after the address.
    std::array<std::string_view, 16> fields_{};
};

enum class Sentence { Other, Rmc, Gga, Gll, Zda };

Sentence SentenceOf(std::string_view address)
{
    if (address.size() != 5) return Sentence::Other;
    const std::string_view talker = address.substr(0, 2), type = address.substr(2);
    if (talker != "GP" && talker != "GN" && talker != "GL" && talker != "GA" && talker != "BD" && talker != "GB")
        return Sentence::Other;
    if (type == "RMC") return Sentence::Rmc;
    if (type == "GGA") return Sentence::Gga;
    if (type == "ZDA") return Sentence::Zda;
    return type == "GLL" ? Sentence::Gll : Sentence::Other;
}

// A latitude or longitude written as degrees and decimal minutes
// ("4249.96542") and its hemisphere, as signed degrees.
std::optional<double> Coordinate(std::string_view value, std::string_view hemisphere, char positive, char negative)
{
    const std::optional<double> number = value.empty() ? std::nullopt : TryTextToFloat(value);
    if (!number || !(*number >= 0) || hemisphere.size() != 1 ||
        (hemisphere[0] != positive && hemisphere[0] != negative))
        return std::nullopt;
    const double degrees = std::floor(*number / 100);
    const double minutes = *number - degrees * 100;
    if (!(minutes < 60)) return std::nullopt;
    const double angle = degrees + minutes / 60;
    return hemisphere[0] == positive ? angle : -angle;
}

// One fix: the sentences that follow each other with the same time.
struct Fix {
    std::optional<double> Second;  // of the day
    std::optional<int64_t> Day;
    int Rank = 0;  // of the sentence that gave the position: GGA 3, RMC 2, GLL 1; 0 none
    double Latitude = 0, Longitude = 0;
    std::optional<double> Height;
};

// A log is read twice: first up to its first date, to learn the day of the
// fixes before it without keeping them, then through with that day.
enum class Pass { FindDate, Read };

class NmeaReader {
public:
    explicit NmeaReader(Pass pass, std::optional<Fix> start = std::nullopt) : pass_(pass), previous_(start) {}

    void Read(std::string_view content)
    {
        LineReader lines = LogLines(content);
        while (!lines.AtEnd() && !(pass_ == Pass::FindDate && dated_)) ReadSentence(Trimmed(lines.Next()));
        EndFix();
    }

    size_t Sentences() const { return sentences_; }
    size_t Failed() const { return failed_; }
    // Whether some timed fix found no date: then none has one.
    bool LacksDate() const { return firstUndated_ && !dated_; }
    // The dated moment the fixes before the first date count from.
    std::optional<Fix> Start() const
    {
        if (!firstUndated_ || !dated_) return std::nullopt;
        Fix start;
        start.Second = firstUndated_;
        start.Day = startDay_;
        return start;
    }
    PointAdmission& Admission() { return admission_; }

private:
    // Sentences other than those read are not checked: a receiver may add
    // its own without a checksum.
    void ReadSentence(std::string_view line)
    {
        if (line.empty() || line[0] != '$') return;
        const size_t star = line.rfind('*');
        const std::string_view body = line.substr(1, star == std::string_view::npos ? star : star - 1);
        const Fields fields(body);
        const Sentence sentence = SentenceOf(fields[0]);
        const bool intact = Intact(line, star, body);
        if (sentence == Sentence::Other) return;
        ++sentences_;
        if (!intact) {
            ++failed_;
            return;
        }
        switch (sentence) {
            case Sentence::Rmc:
                if (fields[2] == "A")
                    Add(fields[1], fields[3], fields[4], fields[5], fields[6], 2, std::nullopt, DdMmYyDay(fields[9]));
                return;
            case Sentence::Gga:
                if (fields[6].size() == 1 && fields[6][0] >= '1' && fields[6][0] <= '5')
                    Add(fields[1], fields[2], fields[3], fields[4], fields[5], 3, Height(fields[9], fields[10]),
                        std::nullopt);
                return;
            case Sentence::Gll:
                if (fields[6] == "A")
                    Add(fields[5], fields[1], fields[2], fields[3], fields[4], 1, std::nullopt, std::nullopt);
                return;
            case Sentence::Zda:
                Date(HhMmSsSeconds(fields[1]), ZdaDay(fields[2], fields[3], fields[4]));
                return;
            case Sentence::Other:
                return;
        }
    }

    // Whether the sentence is whole: its checksum (after the last "*", two
    // hexadecimal digits that end the line) holds, or it has none and no
    // sentence before it had one; and no other sentence starts within it.
    bool Intact(std::string_view line, size_t star, std::string_view body)
    {
        const bool single = body.find('$') == std::string_view::npos;
        if (star == std::string_view::npos) return single && !hadChecksum_;
        hadChecksum_ = true;
        const int high = star + 3 == line.size() ? HexDigit(line[star + 1]) : -1;
        const int low = high >= 0 ? HexDigit(line[star + 2]) : -1;
        unsigned char sum = 0;
        for (char c : body) sum ^= static_cast<unsigned char>(c);
        return single && low >= 0 && sum == high * 16 + low;
    }

    // GGA's height: metres, or nothing when not given; NaN when it is no
    // height, which makes the sentence's position unusable.
    static std::optional<double> Height(std::string_view value, std::string_view unit)
    {
        if (value.empty()) return std::nullopt;
        const std::optional<double> metres = TryTextToFloat(value);
        if (!metres || (unit != "M" && !unit.empty())) return NAN;
        return metres;
    }

    void Add(std::string_view time, std::string_view latitude, std::string_view north, std::string_view longitude,
             std::string_view east, int rank, std::optional<double> height, std::optional<int64_t> day)
    {
        const std::optional<double> second = HhMmSsSeconds(time);
        const bool sameFix = inFix_ && (second ? fix_.Second == second : !fix_.Second && time == fixTime_);
        if (!sameFix) {
            EndFix();
            fix_ = Fix{};
            fix_.Second = second;
            fixTime_ = time;
            inFix_ = true;
        }
        if (day) fix_.Day = day;
        const std::optional<double> lat = Coordinate(latitude, north, 'N', 'S');
        const std::optional<double> lon = Coordinate(longitude, east, 'E', 'W');
        if (!lat || !lon || (height && std::isnan(*height)) || rank <= fix_.Rank) return;
        fix_.Rank = rank;
        fix_.Latitude = *lat;
        fix_.Longitude = *lon;
        if (height) fix_.Height = height;
    }

    // A ZDA sentence dates the fix of its own time, or else is a dated
    // moment between fixes that those before it count back from and those
    // after it go on from.
    void Date(std::optional<double> second, std::optional<int64_t> day)
    {
        if (!second || !day) return;
        if (inFix_ && fix_.Second == second) {
            fix_.Day = day;
            return;
        }
        EndFix();
        Fix moment;
        moment.Second = second;
        moment.Day = day;
        Dated(moment);
        previous_ = moment;
    }

    // A fix without a date takes that of the dated moment before it, a day
    // later when its time of day is earlier; those before the first one
    // count back from it, a day for each time the time of day went back.
    void EndFix()
    {
        if (!inFix_) return;
        inFix_ = false;
        if (!fix_.Second) return Keep(fix_);
        if (!fix_.Day && previous_) fix_.Day = *previous_->Day + (*fix_.Second < *previous_->Second ? 1 : 0);
        if (!fix_.Day) return Undated(*fix_.Second);
        Dated(fix_);
        Keep(fix_);
        previous_ = fix_;
    }

    void Undated(double second)
    {
        if (!firstUndated_) firstUndated_ = second;
        else if (second < lastUndated_) ++rollovers_;
        lastUndated_ = second;
    }

    void Dated(const Fix& moment)
    {
        if (dated_) return;
        dated_ = true;
        if (firstUndated_) startDay_ = *moment.Day - rollovers_ - (lastUndated_ > *moment.Second ? 1 : 0);
    }

    // A fix whose sentences gave no position has one out of range.
    void Keep(const Fix& fix)
    {
        if (pass_ == Pass::FindDate) return;
        OfferedPoint point;
        if (fix.Second) point.Time = FixDays(*fix.Day, *fix.Second);
        point.Latitude = fix.Rank > 0 ? fix.Latitude : NAN;
        point.Longitude = fix.Rank > 0 ? fix.Longitude : NAN;
        point.Height = fix.Height;
        admission_.Offer(point);
    }

    size_t sentences_ = 0;
    size_t failed_ = 0;
    bool hadChecksum_ = false;
    bool inFix_ = false;
    Fix fix_;
    std::string_view fixTime_;  // as written, which tells fixes apart whose time does not parse
    Pass pass_;
    std::optional<Fix> previous_;  // the last dated fix or ZDA's moment
    bool dated_ = false;
    std::optional<double> firstUndated_;  // the times of day of the fixes before the first date
    double lastUndated_ = 0;
    int64_t rollovers_ = 0;
    int64_t startDay_ = 0;
    PointAdmission admission_;
};

}  // namespace

bool StartsAsNmea(std::string_view content)
{
    LineReader lines = LogLines(content);
    return StartsWithAddress(NextFilledLine(lines)) || StartsWithAddress(NextFilledLine(lines));
}

TrackReading ReadNmeaTrack(std::string_view content, const std::string& path)
{
    TrackReading reading;
    NmeaReader scan(Pass::FindDate);
    scan.Read(content);
    if (scan.LacksDate()) {
        reading.Messages.push_back(
            {false, MessageText(MessageId::NmeaNoDate, {path})});
        return reading;
    }
    NmeaReader nmea(Pass::Read, scan.Start());
    nmea.Read(content);
    std::vector<Message> messages;
    reading.Track = nmea.Admission().CheckedTrack(
        {MessageText(MessageId::NmeaPoint), MessageText(MessageId::NmeaTime)}, path, messages);
    if (reading.Track && nmea.Failed() > 0)
        reading.Messages.push_back({false, MessageText(MessageId::NmeaBadChecksums,
                                                           {IntToText(static_cast<int64_t>(nmea.Failed())),
                                                            IntToText(static_cast<int64_t>(nmea.Sentences()))})});
    reading.Messages.insert(reading.Messages.end(), messages.begin(), messages.end());
    return reading;
}

}  // namespace qm
