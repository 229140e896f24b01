#include "platform/atomic_file_writer.h"

#include "platform/error.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qm {
namespace {

size_t EntryCount(const std::string& directory)
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(directory), {}));
}

template <typename F>
std::string ErrorText(F&& work)
{
    try {
        work();
    } catch (const Error& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(AtomicFileWriter, TheResultAppearsWholeOnCommitOnly)
{
    test::TempDir dir;
    dir.Write("old.plt", "old");
    std::string big(3 << 20, 'b');  // more than the buffer holds
    {
        AtomicFileWriter file(dir.File("out.plt"));
        file.Write("head");
        file.Write(big);
        for (int i = 0; i < 100000; ++i) file.Write("0123456789");
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.plt")));
        file.Commit();
        AtomicFileWriter dropped(dir.File("old.plt"));
        dropped.Write(big);
    }
    EXPECT_EQ(test::ReadAll(dir.File("out.plt")), "head" + big + [] {
        std::string tail;
        for (int i = 0; i < 100000; ++i) tail += "0123456789";
        return tail;
    }());
    EXPECT_EQ(test::ReadAll(dir.File("old.plt")), "old");
    EXPECT_EQ(EntryCount(dir.path()), 2u);  // no temporary file left
}

TEST(AtomicFileWriter, FailuresNameTheResultFileAndTheReason)
{
    test::TempDir dir;
    std::string missing = dir.File("no/out.plt");
    EXPECT_EQ(ErrorText([&] { AtomicFileWriter file(missing); }),
              "Cannot create file \"" + missing + "\". No such file or directory");

    std::filesystem::create_directory(dir.File("taken"));
    AtomicFileWriter file(dir.File("taken"));
    file.Write("x");
    EXPECT_EQ(ErrorText([&] { file.Commit(); }), "Cannot write file \"" + dir.File("taken") + "\". Is a directory");
    EXPECT_EQ(EntryCount(dir.path()), 1u);
}

}  // namespace
}  // namespace qm
