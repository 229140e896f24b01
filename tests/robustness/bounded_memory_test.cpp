// Files built to take memory far beyond their size are refused, or read,
// within a bound on the address space that is a small part of what they
// would take if their contents were kept.
#include "formats/track_reader.h"

#include "support/address_sanitizer.h"
#include "support/address_space.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <new>

namespace qm {
namespace {

constexpr rlim_t kMiB = 1u << 20;

// A GPX root and unclosed elements after it, of about `bytes`.
std::string Unclosed(size_t bytes)
{
    std::string text = "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
    while (text.size() < bytes) text += "<a>";
    return text;
}

// An NMEA log of GGA fixes a second apart, without a date, of about `bytes`.
std::string UndatedLog(size_t bytes)
{
    std::string log;
    char line[96];
    for (int second = 0; log.size() < bytes; ++second) {
        std::snprintf(line, sizeof line, "$GPGGA,%02d%02d%02d.00,5545.%04d,N,03737.0000,E,1,08,0.9,150.0,M,14.0,M,,\r\n",
                      second / 3600 % 24, second / 60 % 60, second % 60, second % 10000);
        log += line;
    }
    return log;
}

// A ZIP archive whose central directory lists `entries` members named "a".
std::string ManyMembers(uint32_t entries)
{
    auto little = [](uint64_t value, int width) {
        std::string bytes;
        for (int i = 0; i < width; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
        return bytes;
    };
    const std::string member = "PK\x01\x02" + std::string(24, '\0') + little(1, 2) + std::string(16, '\0') + "a";
    std::string archive = "PK\x03\x04" + std::string(26, '\0');
    const size_t directory = archive.size();
    archive.reserve(directory + member.size() * entries + 200);
    for (uint32_t i = 0; i < entries; ++i) archive += member;
    const size_t end = archive.size();
    return archive + "PK\x06\x06" + little(44, 8) + little(45, 2) + little(45, 2) + little(0, 8) +
           little(entries, 8) + little(entries, 8) + little(end - directory, 8) + little(directory, 8) + "PK\x06\x07" +
           little(0, 4) + little(end, 8) + little(1, 4) + "PK\x05\x06" + little(0, 4) + little(0xFFFF, 2) +
           little(0xFFFF, 2) + little(0xFFFFFFFF, 4) + little(0xFFFFFFFF, 4) + little(0, 2);
}

struct Case {
    std::string name;
    std::function<std::string()> content;
    rlim_t more;             // address space beyond the process and the file's bytes
    std::string lastMessage; // of a refusal; empty when the track is read
};

// Exits 0 when the file at path is read or refused as the case says within
// its bound, 1 when it is not, 2 when the memory runs out.
[[noreturn]] void LoadWithin(const std::string& path, size_t fileBytes, const Case& c)
{
    test::LimitAddressSpace(fileBytes + c.more);
    try {
        const TrackReading reading = LoadTrack(path);
        const bool read = reading.Track.has_value();
        const bool as = c.lastMessage.empty() ? read
                                              : !read && !reading.Messages.empty() &&
                                                    reading.Messages.back().Text.find(c.lastMessage) != std::string::npos;
        std::exit(as ? 0 : 1);
    } catch (const std::bad_alloc&) {
        std::exit(2);
    }
}

TEST(BoundedMemoryDeathTest, FilesThatWouldGrowInMemoryStayWithinABound)
{
#if QM_ADDRESS_SANITIZER
    GTEST_SKIP() << "AddressSanitizer maps terabytes of shadow memory: no limit on the address space fits it";
#endif
    const Case cases[] = {
        // Each open element took about 48 times its bytes in the parser.
        {"deep.gpx", [] { return Unclosed(10 * kMiB); }, 64 * kMiB, "элементы вложены глубже 256 уровней."},
        // Fixes without a date were kept, about 72 bytes each, only to refuse the log.
        {"undated.nmea", [] { return UndatedLog(64 * kMiB); }, 32 * kMiB, "нет даты"},
        // libzip took about 350 bytes for each member it listed.
        {"many.kmz", [] { return ManyMembers(2000000); }, 32 * kMiB, "больше 10000 файлов"},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string content = c.content();
        const size_t size = content.size();
        const std::string path = dir.Write(c.name, content);
        content = std::string();
        EXPECT_EXIT(LoadWithin(path, size, c), ::testing::ExitedWithCode(0), "");
    }
}

}  // namespace
}  // namespace qm
