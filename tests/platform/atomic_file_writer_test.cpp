#include "platform/atomic_file_writer.h"

#include "platform/system_error_text.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace qm {
namespace {

size_t EntryCount(const std::string& directory)
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(directory), {}));
}

TEST(AtomicFileWriter, TheResultAppearsWholeOnCommitOnly)
{
    test::TempDir dir;
    dir.Write("old.plt", "old");
    // Small writes that fill the buffer many times over, and one larger than it.
    std::string expected = "head" + std::string(3 << 20, 'b');
    for (int i = 0; i < 100000; ++i) expected += std::to_string(i % 10) + "123456789";
    {
        AtomicFileWriter file(dir.File("out.plt"));
        file.Write(expected.substr(0, 4));
        file.Write(expected.substr(4, 3 << 20));
        for (size_t at = 4 + (3 << 20); at < expected.size(); at += 10) file.Write(expected.substr(at, 10));
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.plt")));
        file.Commit();
        AtomicFileWriter dropped(dir.File("old.plt"));
        dropped.Write(expected);
    }
    EXPECT_EQ(test::ReadAll(dir.File("out.plt")), expected);
    EXPECT_EQ(test::ReadAll(dir.File("old.plt")), "old");
    EXPECT_EQ(EntryCount(dir.path()), 2u);  // no temporary file left
}

// A name ending with a separator names a folder, existing or not: nothing
// is written into it.
TEST(AtomicFileWriter, ANameEndingWithASeparatorIsAFolder)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir.File("folder"));
    for (const std::string name : {"folder/", "none/"}) {
        const std::string path = test::Native(dir.path() + "/" + name);
        EXPECT_EQ(test::Thrown([&] { AtomicFileWriter file(path); }),
                  "Не удается создать файл \"" + path + "\". " + SystemErrorText(EISDIR));
    }
    EXPECT_EQ(EntryCount(dir.File("folder")), 0u);
}

}  // namespace
}  // namespace qm
