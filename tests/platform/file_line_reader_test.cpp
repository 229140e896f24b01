#include "platform/file_line_reader.h"

#include "platform/file_descriptor.h"
#include "platform/file_system.h"
#include "platform/line_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

constexpr uint64_t kNoLimit = uint64_t{1} << 40;

std::vector<std::string> FileLines(const std::string& path, uint64_t limit = kNoLimit)
{
    FileDescriptor fd(OpenRegularFile(path));
    FileLineReader reader(fd.get(), path, limit);
    std::vector<std::string> lines;
    while (!reader.AtEnd()) lines.emplace_back(reader.Next());
    return lines;
}

std::vector<std::string> TextLines(std::string_view text)
{
    std::vector<std::string> lines;
    for (LineReader reader(text); !reader.AtEnd();) lines.emplace_back(reader.Next());
    return lines;
}

// A file is cut into the lines its text in memory gives, wherever the reads
// end: line ends and a CR LF split by the end of a read, a line longer than
// the buffer, a last line without its end or with a CR alone.
TEST(FileLineReader, GivesTheLinesOfTheTextInMemory)
{
    test::TempDir dir;
    const size_t mib = size_t{1} << 20;
    std::string lines;
    for (int i = 0; lines.size() < mib - 40; ++i) lines += std::to_string(i) + (i % 3 ? ",a line\r\n" : ",b\n");
    const std::string cases[] = {
        "",
        "one line",
        "a\r\nb\r\n",
        "\n\n\r\n",
        lines + std::string(mib - lines.size() - 1, 'x') + "\r\nnext\r\n",  // CR LF split at 1 MiB
        lines + std::string(3 * mib, 'y') + "\nafter a long line\r",
        std::string(mib, 'z'),
    };
    for (const std::string& text : cases) {
        const std::vector<std::string> expected = TextLines(text);
        EXPECT_EQ(FileLines(dir.Write("t.txt", text)), expected) << text.substr(0, 40);
    }
}

TEST(FileLineReader, RefusesMoreBytesThanTheLimit)
{
    test::TempDir dir;
    const std::string path = dir.Write("t.txt", std::string(3u << 20, 'x') + "\n");
    EXPECT_EQ(test::Thrown([&] { FileLines(path, 2u << 20); }), "Не удалось прочитать файл \"" + path + "\". Файл слишком велик");
    EXPECT_EQ(FileLines(path, 4u << 20).size(), 1u);
}

// The lines expected are those the first lines read show, an eighth more:
// never fewer than a file of lines alike holds.
TEST(FileLineReader, ExpectsTheLinesOfAFileOfLinesAlike)
{
    test::TempDir dir;
    std::string text;
    for (int i = 0; i < 300000; ++i) text += std::to_string(1000000 + i) + ",55.123456,37.654321\r\n";
    const std::string path = dir.Write("t.txt", text);
    FileDescriptor fd(OpenRegularFile(path));
    FileLineReader reader(fd.get(), path, kNoLimit);
    reader.Next();
    const size_t expected = reader.ExpectedLines();
    EXPECT_GE(expected, 299999u);
    EXPECT_LE(expected, 300000u * 9 / 8 + 1);
}

// A CR alone ends a line only where asked for; CR LF is one line end either
// way. The lines expected are never fewer than those given.
TEST(LineReader, EndsLinesWhereAsked)
{
    const struct {
        std::string text;
        std::vector<std::string> atLf, atAny;
    } kCases[] = {
        {"a\rb\r\nc\nd", {"a\rb", "c", "d"}, {"a", "b", "c", "d"}},
        {"a\r\r\nb\n\r", {"a\r", "b", ""}, {"a", "", "b", ""}},
        {"a\r", {"a"}, {"a"}},
        {"\r\n\r", {"", ""}, {"", ""}},
        {"", {}, {}},
    };
    for (const auto& c : kCases) {
        for (const LineEnds ends : {LineEnds::Lf, LineEnds::LfCrLfOrCr}) {
            SCOPED_TRACE(c.text + (ends == LineEnds::Lf ? " at LF" : " at any"));
            LineReader reader(c.text, ends);
            const size_t expected = reader.ExpectedLines();
            std::vector<std::string> lines;
            while (!reader.AtEnd()) lines.emplace_back(reader.Next());
            EXPECT_EQ(lines, ends == LineEnds::Lf ? c.atLf : c.atAny);
            EXPECT_GE(expected, lines.size());
        }
    }
}

}  // namespace
}  // namespace qm
