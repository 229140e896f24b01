// The file operations every system answers alike: names in any script, with
// either separator on Windows, paths longer than MAX_PATH, what is no
// regular file, and renames over a file.
#include "platform/atomic_file_writer.h"
#include "platform/byte_source.h"
#include "platform/file_descriptor.h"
#include "platform/file_system.h"
#include "platform/path_text.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// The file's bytes, read through the descriptor as the program reads its files.
std::string ReadWhole(const std::string& path)
{
    FileDescriptor fd(OpenRegularFile(path));
    EXPECT_TRUE(fd.IsOpen()) << path;
    FileBytes file(fd.get(), path, UINT64_MAX);
    return ReadAllBytes(file);
}

TEST(FileSystem, NamesInAnyScriptAndSpelling)
{
    const test::TempDir dir;
    const std::string folder = JoinPath(dir.path(), "Мои треки 2024");
    ASSERT_TRUE(CreateDir(folder));
    EXPECT_TRUE(DirectoryExists(folder));
    const std::string track = JoinPath(folder, "поездка на дачу.plt");
    WriteFileAtomically(track, "точки\r\n");
    EXPECT_TRUE(FileExists(track));
    EXPECT_EQ(ReadWhole(track), "точки\r\n");
    // The same file however its path is spelled.
    EXPECT_TRUE(SameFile(track, dir.path() + "/Мои треки 2024/./поездка на дачу.plt"));
#ifdef _WIN32
    EXPECT_TRUE(SameFile(track, dir.path() + "\\Мои треки 2024\\ПОЕЗДКА НА ДАЧУ.PLT"));
#endif
    EXPECT_FALSE(SameFile(track, folder));
    EXPECT_FALSE(SameFile(track, JoinPath(folder, "нет такого")));
}

TEST(FileSystem, PathsLongerThanMaxPath)
{
    const test::TempDir dir;
    std::string folder = dir.path();
    for (int depth = 0; depth < 6; ++depth) {
        folder = JoinPath(folder, std::string(60, static_cast<char>('a' + depth)));
        ASSERT_TRUE(CreateDir(folder)) << folder.size();
    }
    const std::string file = JoinPath(folder, "track_stat.txt");
    ASSERT_GT(file.size(), 400u);
    WriteFileAtomically(file, "old");
    WriteFileAtomically(file, "new");
    EXPECT_EQ(ReadWhole(file), "new");
    EXPECT_TRUE(RemoveFile(file));
    EXPECT_TRUE(NothingAt(file));
}

TEST(FileSystem, OnlyRegularFilesAreOpened)
{
    const test::TempDir dir;
    const struct {
        std::string path;
        std::string reason;  // in the messages' language, Russian here
    } cases[] = {
        {dir.path(), "Это каталог"},
        {JoinPath(dir.path(), "missing.plt"), "Нет такого файла или каталога"},
#ifdef _WIN32
        {"NUL", "Это не обычный файл"},
        {"CON", "Это не обычный файл"},
        {JoinPath(dir.path(), "nul"), "Это не обычный файл"},
#else
        {"/dev/null", "Это не обычный файл"},
#endif
    };
    for (const auto& c : cases) {
        std::string why;
        EXPECT_EQ(OpenRegularFile(c.path, &why), -1) << c.path;
        EXPECT_EQ(why, c.reason) << c.path;
    }
}

TEST(FileSystem, RenameOverReplacesFilesButNoDirectory)
{
    const test::TempDir dir;
    const std::string from = JoinPath(dir.path(), "new"), to = JoinPath(dir.path(), "old");
    for (const std::string& path : {from, to}) {
        FileDescriptor fd(CreateNewFile(path));
        ASSERT_TRUE(fd.IsOpen()) << path;
        ASSERT_TRUE(WriteAll(fd.get(), path));
    }
    EXPECT_EQ(CreateNewFile(to), -1);  // never over what is there
    EXPECT_TRUE(RenameOver(from, to));
    EXPECT_EQ(ReadWhole(to), from);
    EXPECT_TRUE(NothingAt(from));
    const std::string folder = JoinPath(dir.path(), "folder");
    ASSERT_TRUE(CreateDir(folder));
    EXPECT_FALSE(RenameOver(to, folder));
    EXPECT_TRUE(DirectoryExists(folder));
    EXPECT_EQ(ReadWhole(to), from);
}

}  // namespace
}  // namespace qm
