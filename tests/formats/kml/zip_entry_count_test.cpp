#include "formats/kml/kmz_reader.h"
#include "formats/kml/zip_entry_count.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace qm {
namespace {

std::string Little(uint64_t value, size_t width)
{
    std::string bytes;
    for (size_t i = 0; i < width; ++i) bytes += static_cast<char>(i < 8 ? value >> (8 * i) & 0xFF : 0);
    return bytes;
}

// An end-of-central-directory record declaring `entries`, with a comment.
std::string End(uint64_t entries, const std::string& comment = "")
{
    return "PK\x05\x06" + Little(0, 4) + Little(entries, 2) + Little(entries, 2) + Little(0, 8) +
           Little(comment.size(), 2) + comment;
}

// The ZIP64 record at `at` and its locator, for an archive of more entries
// than 16 bits count.
std::string Zip64(uint64_t entries, uint64_t at)
{
    return "PK\x06\x06" + Little(44, 8) + Little(45, 2) + Little(45, 2) + Little(0, 8) + Little(entries, 8) +
           Little(entries, 8) + Little(0, 16) + "PK\x06\x07" + Little(0, 4) + Little(at, 8) + Little(1, 4);
}

TEST(ZipEntryCount, ReadFromTheArchivesEndWithoutItsDirectory)
{
    const std::string head = "PK\x03\x04 some members";
    const struct {
        std::string archive;
        std::optional<uint64_t> count;
    } cases[] = {
        {head + End(3), 3},
        {head + End(3, "a comment PK\x05\x06 within"), 3},
        {head + Zip64(2000000, head.size()) + End(0xFFFF), 2000000},
        {head + Zip64(2000000, 1) + End(0xFFFF), 0xFFFF},  // a locator that points nowhere
        {Zip64(2000000, 2048).substr(56) + End(0xFFFF), 0xFFFF},  // and an archive shorter than the record
        {head + End(3).substr(0, 21), std::nullopt},
        {End(1, "x").substr(0, 22), std::nullopt},  // a comment cut off
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ZipEntryCount(c.archive), c.count) << c.archive.size();
    EXPECT_EQ(ZipEntryCount(test::ReadAll(std::string(QM_TEST_DATA) +
                                          "/tracks/gpsbabel-derived-reference-track-Placemark-Track-1.kmz")),
              1u);
}

// An archive that declares more members than any KMZ holds is refused
// before libzip reads its directory.
TEST(ZipEntryCount, AnArchiveOfMoreThanTenThousandMembersIsRefused)
{
    for (uint64_t entries : {10001u, 2000000u}) {
        const std::string head = "PK\x03\x04 some members";
        const std::string archive = head + Zip64(entries, head.size()) + End(entries > 0xFFFF ? 0xFFFF : entries);
        const TrackReading reading = ReadKmzTrack(archive, "many.kmz");
        ASSERT_EQ(reading.Messages.size(), 1u);
        EXPECT_EQ(reading.Messages[0].Text, "Архив KMZ many.kmz не читается: в нём больше 10000 файлов.");
    }
}

}  // namespace
}  // namespace qm
