// KMZ archives made here with libzip: the member read, and the archives a
// reader must not unpack.
#include "formats/kml/kmz_reader.h"
#include "formats/track_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <zip.h>

namespace qm {
namespace {

struct Member {
    std::string name;
    std::string data;
    bool stored = false;  // else deflated, as fast as deflate goes
};

// The bytes of a ZIP archive of the members.
std::string Zip(const std::vector<Member>& members)
{
    test::TempDir dir;
    const std::string path = dir.File("a.zip");
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    EXPECT_NE(archive, nullptr);
    for (const Member& member : members) {
        zip_source_t* source = zip_source_buffer(archive, member.data.data(), member.data.size(), 0);
        const zip_int64_t index = zip_file_add(archive, member.name.c_str(), source, 0);
        EXPECT_GE(index, 0);
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), member.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 1);
    }
    EXPECT_EQ(zip_close(archive), 0);
    return test::ReadAll(path);
}

// A document of one point at the longitude, its name `name`.
std::string Kml(double longitude, const std::string& name = "")
{
    return "<kml xmlns=\"http://www.opengis.net/kml/2.2\" xmlns:gx=\"http://www.google.com/kml/ext/2.2\"><Placemark>"
           "<name>" + name + "</name><gx:Track><when>2020-01-01T10:00:00Z</when><gx:coord>" + std::to_string(longitude) +
           " 50</gx:coord></gx:Track></Placemark></kml>";
}

// Blanks with a digit of no pattern in every `every` bytes.
std::string Sparse(size_t size, size_t every)
{
    std::string text(size, ' ');
    uint32_t n = 1;
    for (size_t at = 0; at < size; at += every) {
        n = n * 1103515245u + 12345u;
        text[at] = static_cast<char>('0' + (n >> 16) % 10);
    }
    return text;
}

// The archive of one member with a 16-bit field of both its headers set:
// `local` bytes into the local header, `central` into the central one.
std::string WithField(std::string zip, size_t local, size_t central, uint16_t value)
{
    const size_t directory = zip.find("PK\x01\x02");
    for (size_t at : {local, directory + central}) {
        zip[at] = static_cast<char>(value & 0xff);
        zip[at + 1] = static_cast<char>(value >> 8);
    }
    return zip;
}

// The archive with the first byte of its one member's data replaced.
std::string WithFirstDataByte(std::string zip, char byte)
{
    const auto field = [&](size_t at) { return size_t(uint8_t(zip[at])) | size_t(uint8_t(zip[at + 1])) << 8; };
    zip[30 + field(26) + field(28)] = byte;
    return zip;
}

struct Case {
    std::string name;
    std::string content;
    double longitude;  // of the one point read; 0 for a refusal
    std::string message;
};

TEST(KmzReaderTest, ReadsTheArchivesKmlAndRefusesWhatCannotBeUnpacked)
{
    // Blanks pack more than 100 to 1; a digit of no pattern in every ten
    // bytes far less.
    const std::string blanks(4 << 20, ' ');
    const Case cases[] = {
        {"doc.kml before any other", Zip({{"files/a.kml", Kml(1)}, {"doc.kml", Kml(2)}, {"b.kml", Kml(3)}}), 2, ""},
        {"else the first .kml", Zip({{"files/icon.png", "png"}, {"files/Track.KML", Kml(4)}, {"b.kml", Kml(5)}}), 4,
         ""},
        {"a stored member", Zip({{"doc.kml", Kml(6), true}}), 6, ""},
        {"a KML packed by blanks that fits the ratio", Zip({{"doc.kml", Kml(7, Sparse(1 << 20, 10))}}), 7, ""},
        {"no .kml", Zip({{"doc.txt", Kml(8)}}), 0, "В архиве KMZ x.kmz нет файла KML (.kml)."},
        {"a bomb", Zip({{"doc.kml", Kml(9, blanks)}}), 0,
         "Файл doc.kml в архиве x.kmz сжат более чем в 100 раз, как сжимают архивы-бомбы: он не читается."},
        {"no archive", "PK\x03\x04 and nothing more", 0,
         "Файл x.kmz не является правильным архивом KMZ (это не архив ZIP)."},
        {"a stored member changed", WithFirstDataByte(Zip({{"doc.kml", Kml(10), true}}), ' '), 0,
         "Не удалось распаковать файл doc.kml из архива x.kmz (контрольная сумма не совпадает)."},
        {"deflated data of a reserved block type", WithFirstDataByte(Zip({{"doc.kml", Kml(11)}}), '\xff'), 0,
         "Не удалось распаковать файл doc.kml из архива x.kmz (сжатые данные повреждены)."},
        {"an unknown method", WithField(Zip({{"doc.kml", Kml(12)}}), 8, 10, 18), 0,
         "Не удалось распаковать файл doc.kml из архива x.kmz (сжат неизвестным способом)."},
        {"an encrypted member", WithField(Zip({{"doc.kml", Kml(13)}}), 6, 8, 1), 0,
         "Не удалось распаковать файл doc.kml из архива x.kmz (зашифрован)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TrackReading reading = ReadTrack(c.content, "x.kmz");
        EXPECT_EQ(reading.Track ? reading.Track->Points[0].Longitude : 0, c.longitude);
        EXPECT_EQ(reading.Messages.empty() ? "" : reading.Messages[0].Text, c.message);
    }
}

// A member of no suspicious ratio, but larger than any track.
TEST(KmzReaderTest, AMemberOfMoreThan256MiBIsRefused)
{
    TrackReading reading = ReadTrack(Zip({{"doc.kml", Kml(1, Sparse((256 << 20) + 1, 40))}}), "x.kmz");
    EXPECT_FALSE(reading.Track.has_value());
    ASSERT_EQ(reading.Messages.size(), 1u);
    EXPECT_EQ(reading.Messages[0].Text, "Файл doc.kml в архиве x.kmz после распаковки больше 256 МиБ: он не читается.");
}

// Messages about the document name the member within the archive.
TEST(KmzReaderTest, TheKmlsMessagesNameTheMember)
{
    TrackReading reading = ReadTrack(Zip({{"doc.kml", "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Placemark>"}}), "x.kmz");
    ASSERT_EQ(reading.Messages.size(), 1u);
    EXPECT_EQ(reading.Messages[0].File, "x.kmz/doc.kml");
}

}  // namespace
}  // namespace qm
