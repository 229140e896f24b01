// FIT content made by hand, byte by byte, for the cases a real file rarely
// shows: either byte order, compressed-timestamp headers, developer fields,
// chained files, timer restarts, a CRC that fails, a file that breaks.
#include "formats/fit/fit_crc.h"
#include "formats/gpx/gpx_time.h"
#include "formats/track_reader.h"
#include "support/gpsbabel_reading.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace qm {
namespace {

// The protocol's CRC computed bit by bit (the reader uses a table).
uint16_t BitwiseCrc(std::string_view bytes)
{
    uint16_t crc = 0;
    for (char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : crc >> 1;
    }
    return crc;
}

struct Field {
    uint8_t number, size, baseType;
    uint32_t value;
};

// The record fields this test writes.
Field Latitude(int32_t semicircles) { return {0, 4, 0x85, static_cast<uint32_t>(semicircles)}; }
Field Longitude(int32_t semicircles) { return {1, 4, 0x85, static_cast<uint32_t>(semicircles)}; }
Field Altitude(uint32_t stored) { return {2, 2, 0x84, stored}; }
Field HeartRate(uint32_t bpm) { return {3, 1, 0x02, bpm}; }
Field Cadence(uint32_t rpm) { return {4, 1, 0x02, rpm}; }
Field Power(uint32_t watts) { return {7, 2, 0x84, watts}; }
Field Temperature(int8_t celsius) { return {13, 1, 0x01, static_cast<uint8_t>(celsius)}; }
Field EnhancedAltitude(uint32_t stored) { return {78, 4, 0x86, stored}; }
Field Timestamp(uint32_t seconds) { return {253, 4, 0x86, seconds}; }

Field TimeCreated(uint32_t seconds) { return {4, 4, 0x86, seconds}; }

constexpr uint16_t kFileId = 0;
constexpr uint16_t kRecord = 20;
constexpr uint16_t kEvent = 21;
constexpr int32_t k45Degrees = 1 << 29;
constexpr uint32_t kTime = 1000000010;  // 2021-09-08T01:46:50Z

// The messages of one FIT file, written as the protocol lays them out.
class FitFile {
public:
    // A definition of local type `local` for fields of these numbers and
    // sizes, with developer fields of these sizes.
    FitFile& Define(uint8_t local, uint16_t global, std::vector<Field> fields, bool bigEndian = false,
                    std::vector<uint8_t> developerSizes = {})
    {
        data_ += static_cast<char>(0x40 | (developerSizes.empty() ? 0 : 0x20) | local);
        data_ += '\0';
        data_ += static_cast<char>(bigEndian);
        Put(global, 2, bigEndian);
        data_ += static_cast<char>(fields.size());
        for (const Field& f : fields)
            data_ += {static_cast<char>(f.number), static_cast<char>(f.size), static_cast<char>(f.baseType)};
        if (!developerSizes.empty()) {
            data_ += static_cast<char>(developerSizes.size());
            for (uint8_t size : developerSizes) data_ += {'\x01', static_cast<char>(size), '\0'};
        }
        bigEndian_[local] = bigEndian;
        developer_[local] = 0;
        for (uint8_t size : developerSizes) developer_[local] += size;
        return *this;
    }

    // A data message of local type `local`: with a compressed-timestamp
    // header when `offset` is given.
    FitFile& Data(uint8_t local, std::vector<Field> fields, int offset = -1)
    {
        data_ += static_cast<char>(offset < 0 ? local : 0x80 | (local << 5) | offset);
        for (const Field& f : fields) Put(f.value, f.size, bigEndian_[local]);
        data_.append(developer_[local], '\x5A');
        return *this;
    }

    FitFile& Raw(std::string bytes)
    {
        data_ += bytes;
        return *this;
    }

    // The file: a 14-byte header with its CRC, the messages, the file's CRC
    // (changed when `goodCrc` is false).
    std::string Bytes(bool goodCrc = true) const
    {
        std::string file = {14, 0x20, 0x08, 0x08};
        for (int i = 0; i < 4; ++i) file += static_cast<char>((data_.size() >> (8 * i)) & 0xFF);
        file += ".FIT";
        const uint16_t headerCrc = BitwiseCrc(file);
        file += {static_cast<char>(headerCrc & 0xFF), static_cast<char>(headerCrc >> 8)};
        file += data_;
        const uint16_t crc = static_cast<uint16_t>(BitwiseCrc(file) ^ (goodCrc ? 0 : 1));
        file += {static_cast<char>(crc & 0xFF), static_cast<char>(crc >> 8)};
        return file;
    }

private:
    void Put(uint32_t value, size_t size, bool bigEndian)
    {
        for (size_t i = 0; i < size; ++i)
            data_ += static_cast<char>((value >> (8 * (bigEndian ? size - 1 - i : i))) & 0xFF);
    }

    std::string data_;
    bool bigEndian_[16] = {};
    size_t developer_[16] = {};
};

// A record's fields of every kind at 45°N 90°W, 10 m.
std::vector<Field> FullRecord(uint32_t time)
{
    return {Timestamp(time), Latitude(k45Degrees), Longitude(-2 * k45Degrees), EnhancedAltitude(2550),
            Altitude(3000),  HeartRate(142),       Cadence(87),                 Power(251),
            Temperature(-4)};
}

std::vector<Field> Position(uint32_t time) { return {Timestamp(time), Latitude(k45Degrees), Longitude(k45Degrees)}; }

struct Expected {
    std::vector<std::string> times;
    int pieces = 1;
    std::vector<std::string> messages;
};

struct Case {
    std::string name;
    std::string content;
    Expected expected;  // no times: refused with its one message
};

std::string Damaged(const std::string& why)
{
    return "Файл трека ride.fit повреждён (" + why + ") и, возможно, прочитан не полностью.";
}

std::vector<Case> Cases()
{
    const std::string twoPoints =
        FitFile().Define(0, kRecord, Position(0)).Data(0, Position(kTime)).Data(0, Position(kTime + 1)).Bytes();
    std::string truncated = twoPoints.substr(0, twoPoints.size() - 5);
    const std::string badCrc = FitFile().Define(0, kRecord, Position(0)).Data(0, Position(kTime)).Bytes(false);
    return {
        {"big-endian definition",
         FitFile().Define(3, kRecord, FullRecord(0), true).Data(3, FullRecord(kTime)).Bytes(),
         {{"2021-09-08T01:46:50Z"}, 1, {}}},
        {"developer fields skipped",
         FitFile()
             .Define(0, kRecord, Position(0), false, {3, 1})
             .Data(0, Position(kTime))
             .Data(0, Position(kTime + 2))
             .Bytes(),
         {{"2021-09-08T01:46:50Z", "2021-09-08T01:46:52Z"}, 1, {}}},
        // 1000000010 holds 10 in its low five bits: 20 lies later in the
        // same 32 s, 3 in the next.
        {"compressed timestamp headers",
         FitFile()
             .Define(1, kRecord, Position(kTime))
             .Define(2, kRecord, {Latitude(k45Degrees), Longitude(k45Degrees)})
             .Data(1, Position(kTime))
             .Data(2, {Latitude(k45Degrees), Longitude(k45Degrees)}, 20)
             .Data(2, {Latitude(k45Degrees), Longitude(k45Degrees)}, 3)
             .Bytes(),
         {{"2021-09-08T01:46:50Z", "2021-09-08T01:47:00Z", "2021-09-08T01:47:15Z"}, 1, {}}},
        {"timer start starts a piece, other events do not",
         FitFile()
             .Define(0, kRecord, Position(0))
             .Define(1, kEvent, {{0, 1, 0, 0}, {1, 1, 0, 0}})
             .Data(0, Position(kTime))
             .Data(1, {{0, 1, 0, 7}, {1, 1, 0, 0}})
             .Data(0, Position(kTime + 1))
             .Data(1, {{0, 1, 0, 0}, {1, 1, 0, 0}})
             .Data(0, Position(kTime + 2))
             .Bytes(),
         {{"2021-09-08T01:46:50Z", "2021-09-08T01:46:51Z", "2021-09-08T01:46:52Z"}, 2, {}}},
        {"chained files",
         twoPoints + FitFile().Define(0, kRecord, Position(0)).Data(0, Position(kTime + 5)).Bytes(),
         {{"2021-09-08T01:46:50Z", "2021-09-08T01:46:51Z", "2021-09-08T01:46:55Z"}, 2, {}}},
        {"records without a position",
         FitFile()
             .Define(0, kRecord, Position(0))
             .Data(0, {Timestamp(kTime), Latitude(0x7FFFFFFF), Longitude(k45Degrees)})
             .Data(0, Position(kTime + 1))
             .Define(1, kRecord, {Timestamp(0)})
             .Data(1, {Timestamp(kTime + 2)})
             .Bytes(),
         {{"2021-09-08T01:46:51Z"}, 1, {"Пропущено точек без координат: 2 из 3."}}},
        // An action camera counts its times from its start, and its file_id
        // tells when that was; before the file_id they are no date.
        {"times of the device's own clock count from the file's creation",
         FitFile()
             .Define(0, kRecord, Position(0))
             .Define(1, kFileId, {{0, 1, 0, 4}, TimeCreated(0)})
             .Define(2, kRecord, {Latitude(k45Degrees), Longitude(k45Degrees)})
             .Data(0, Position(3))
             .Data(1, {{0, 1, 0, 4}, TimeCreated(kTime)})
             .Data(0, Position(5))
             .Data(2, {Latitude(k45Degrees), Longitude(k45Degrees)}, 17)
             .Data(0, Position(kTime + 9))
             .Bytes(),
         {{"2021-09-08T01:46:55Z", "2021-09-08T01:46:57Z", "2021-09-08T01:46:59Z"},
          1,
          {"Пропущено точек без отметки времени: 1 из 4."}}},
        {"a time_created of no value or of another type leaves them without a date",
         FitFile()
             .Define(0, kRecord, Position(0))
             .Define(1, kFileId, {TimeCreated(0)})
             .Define(2, kFileId, {{4, 4, 0x8C, 0}})
             .Data(1, {TimeCreated(0xFFFFFFFF)})
             .Data(2, {{4, 4, 0x8C, kTime}})
             .Data(0, Position(5))
             .Data(0, Position(kTime + 9))
             .Bytes(),
         {{"2021-09-08T01:46:59Z"}, 1, {"Пропущено точек без отметки времени: 1 из 2."}}},
        // As GPSBabel reads it: the last time given before it, here an event's.
        {"a record without a time of its own takes the last time the file gave",
         FitFile()
             .Define(0, kRecord, {Latitude(k45Degrees), Longitude(k45Degrees)})
             .Define(1, kEvent, {Timestamp(0), {0, 1, 0, 0}, {1, 1, 0, 0}})
             .Data(0, {Latitude(k45Degrees), Longitude(k45Degrees)})
             .Data(1, {Timestamp(kTime + 5), {0, 1, 0, 7}, {1, 1, 0, 0}})
             .Data(0, {Latitude(k45Degrees), Longitude(k45Degrees)})
             .Bytes(),
         {{"2021-09-08T01:46:55Z"}, 1, {"Пропущено точек без отметки времени: 1 из 2."}}},
        {"a CRC that fails", badCrc,
         {{"2021-09-08T01:46:50Z"}, 1, {Damaged("контрольная сумма не совпадает")}}},
        {"chained files whose CRCs fail, told once",
         badCrc + FitFile().Define(0, kRecord, Position(0)).Data(0, Position(kTime + 1)).Bytes(false),
         {{"2021-09-08T01:46:50Z", "2021-09-08T01:46:51Z"}, 2, {Damaged("контрольная сумма не совпадает")}}},
        {"a file that breaks after its first point", truncated,
         {{"2021-09-08T01:46:50Z"},
          1,
          {Damaged("файл короче, чем указано в его заголовке; сообщение обрывается на байте 42")}}},
        {"a file that breaks before any point",
         FitFile().Define(0, kRecord, Position(0)).Data(5, {}).Data(0, Position(kTime)).Bytes(),
         {{}, 0,
          {"Файл трека ride.fit повреждён (сообщение локального типа 5 без определения на байте 29), и из него не "
           "прочитано ни одной точки."}}},
        {"an unknown byte order",
         FitFile().Define(0, kRecord, Position(0)).Raw({'\x41', '\0', '\x02', '\x14', '\0', '\0'}).Bytes(),
         {{}, 0,
          {"Файл трека ride.fit повреждён (неизвестный порядок байтов в определении сообщения на байте 29), и из "
           "него не прочитано ни одной точки."}}},
        {"no position at all",
         FitFile().Define(0, kRecord, {Timestamp(0)}).Data(0, {Timestamp(kTime)}).Bytes(),
         {{}, 0, {"В файле трека ride.fit нет трека: ни у одной из 1 точек record нет координат."}}},
        {"no record at all", FitFile().Define(0, kEvent, {{0, 1, 0, 0}}).Data(0, {{0, 1, 0, 0}}).Bytes(),
         {{}, 0, {"В файле трека ride.fit нет трека: ни одной точки record."}}},
    };
}

TEST(FitReaderTest, HandMadeFilesAreReadAsTheProtocolSays)
{
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        TrackReading reading = ReadTrack(c.content, "ride.fit");
        std::vector<std::string> messages;
        for (const Message& m : reading.Messages) messages.push_back(m.Text);
        EXPECT_EQ(messages, c.expected.messages);
        if (c.expected.times.empty()) {
            EXPECT_FALSE(reading.Track.has_value());
            continue;
        }
        ASSERT_TRUE(reading.Track.has_value());
        std::vector<std::string> times;
        int pieces = 0;
        for (const TrackPoint& p : reading.Track->Points) {
            times.push_back(GpxTimeText(p.DateTime).value_or("?"));
            pieces += p.StartsPiece;
        }
        EXPECT_EQ(times, c.expected.times);
        EXPECT_EQ(pieces, c.expected.pieces);
    }
}

// Every value of a record, in either byte order: semicircles as degrees,
// enhanced_altitude before altitude, the measures as stored.
TEST(FitReaderTest, ARecordGivesEveryValue)
{
    for (bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian);
        const std::string bytes =
            FitFile().Define(0, kRecord, FullRecord(0), bigEndian).Data(0, FullRecord(kTime)).Bytes();
        TrackReading reading = ReadTrack(bytes, "r.fit");
        ASSERT_TRUE(reading.Track.has_value());
        const Track& track = *reading.Track;
        EXPECT_EQ(track.Points[0].Latitude, 45.0);
        EXPECT_EQ(track.Points[0].Longitude, -90.0);
        EXPECT_EQ(track.Points[0].Height, 10.0);
        EXPECT_EQ(ColumnOf(track.Measures, Measure::HeartRate), MeasureColumn{142.0f});
        EXPECT_EQ(ColumnOf(track.Measures, Measure::Cadence), MeasureColumn{87.0f});
        EXPECT_EQ(ColumnOf(track.Measures, Measure::Power), MeasureColumn{251.0f});
        EXPECT_EQ(ColumnOf(track.Measures, Measure::Temperature), MeasureColumn{-4.0f});
    }
    // altitude alone; the values that stand for none.
    auto record = [](uint32_t time, uint32_t altitude, uint32_t heartRate) {
        return std::vector<Field>{Timestamp(time), Latitude(0), Longitude(0), Altitude(altitude), HeartRate(heartRate)};
    };
    const std::string bytes = FitFile()
                                  .Define(0, kRecord, record(0, 0, 0))
                                  .Data(0, record(kTime, 3000, 0xFF))
                                  .Data(0, record(kTime + 1, 0xFFFF, 60))
                                  .Bytes();
    TrackReading reading = ReadTrack(bytes, "r.fit");
    ASSERT_TRUE(reading.Track.has_value());
    EXPECT_EQ(reading.Track->Points[0].Height, 100.0);
    EXPECT_EQ(reading.Track->Points[1].Height, std::nullopt);
    EXPECT_EQ(ColumnOf(reading.Track->Measures, Measure::HeartRate), (MeasureColumn{std::nullopt, 60.0f}));
}

// As a Garmin VIRB action camera writes its FIT file (FIT 2.0, developer
// fields in its records): times of its own clock, counted from the
// time_created of its file_id, 2017-06-28T02:32:31Z; 210 records a second
// apart, the first 65 before the satellites were found, the rest going north
// east; camera events between them.
std::string ActionCameraFile()
{
    constexpr uint32_t kCreated = 867551551;
    constexpr uint16_t kCameraEvent = 161;
    auto record = [](uint32_t second) {
        const bool placed = second >= 100;
        const int32_t step = static_cast<int32_t>(second - 100) * 1000;
        return std::vector<Field>{Timestamp(second),
                                  Latitude(placed ? 446200000 + step : 0x7FFFFFFF),
                                  Longitude(placed ? -1457200000 + step : 0x7FFFFFFF),
                                  EnhancedAltitude(2500 + second),
                                  {73, 4, 0x86, 5000}};
    };
    const std::vector<Field> cameraEvent = {Timestamp(0), {0, 1, 0, 0}};
    FitFile file;
    file.Define(0, kFileId, {{0, 1, 0, 4}, {1, 2, 0x84, 1}, {2, 2, 0x84, 0}, {3, 4, 0x8C, 0}, TimeCreated(0)})
        .Data(0, {{0, 1, 0, 4}, {1, 2, 0x84, 1}, {2, 2, 0x84, 2530}, {3, 4, 0x8C, 3957746800}, TimeCreated(kCreated)})
        .Define(1, kRecord, record(0), false, {2, 1})
        .Define(2, kCameraEvent, cameraEvent);
    for (uint32_t second = 35; second < 245; ++second) {
        file.Data(1, record(second));
        if (second % 60 == 0) file.Data(2, {Timestamp(second), {0, 1, 0, 6}});
    }
    return file.Bytes();
}

TEST(FitReaderTest, AnActionCameraFileIsReadAsGpsBabelReadsIt)
{
    ASSERT_TRUE(test::ToolInstalled("gpsbabel"));
    const std::string bytes = ActionCameraFile();
    TrackReading reading = ReadTrack(bytes, "virb.fit");
    ASSERT_TRUE(reading.Track.has_value());
    const TrackPoints& points = reading.Track->Points;
    ASSERT_EQ(points.size(), 145u);
    EXPECT_EQ(GpxTimeText(points.front().DateTime), "2017-06-28T02:34:11Z");
    EXPECT_EQ(GpxTimeText(points.back().DateTime), "2017-06-28T02:36:35Z");
    ASSERT_EQ(reading.Messages.size(), 1u);
    EXPECT_EQ(reading.Messages[0].Text, "Пропущено точек без координат: 65 из 210.");

    test::TempDir dir;
    std::optional<Track> theirs = test::GpsBabelTrack("garmin_fit", dir.Write("virb.fit", bytes));
    ASSERT_TRUE(theirs.has_value());
    EXPECT_EQ(test::ReadingDifference(*reading.Track, *theirs), "");
}

TEST(FitReaderTest, TheCrcIsThatOfTheProtocol)
{
    EXPECT_EQ(FitCrc("123456789"), 0xBB3D);  // CRC-16/ARC's check value
    EXPECT_EQ(FitCrc(""), 0);
}

}  // namespace
}  // namespace qm
