#include "platform/cache_files.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace qm {
namespace {

namespace fs = std::filesystem;

// root/a/b/tile, and outside the root a folder with a file of its own that
// links put in the cache point at.
struct Cache {
    test::TempDir dir;
    Cache()
    {
        fs::create_directories(dir.File("root/a/b"));
        fs::create_directories(dir.File("outside/b"));
        dir.Write("outside/b/tile", "outside");
    }
    std::string Root() const { return dir.File("root"); }
    std::string Folder() const { return dir.File("root/a/b"); }
    std::string File() const { return dir.File("root/a/b/tile"); }
    std::string Outside() const { return dir.File("outside"); }
    CachePath Path() const { return {Root(), {"a", "b"}, "tile"}; }
};

using Arrange = std::function<void(const Cache&)>;

void WriteTile(const Cache& cache, const std::string& bytes) { cache.dir.Write("root/a/b/tile", bytes); }

TEST(CacheFiles, ReadsOnlyARegularFileWithinTheBoundNeverThroughALink)
{
    struct Case {
        const char* what;
        Arrange arrange;
        std::int64_t maxBytes;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"a file of the bound", [](const Cache& c) { WriteTile(c, "12345"); }, 5, "12345"},
        {"an empty file", [](const Cache& c) { WriteTile(c, ""); }, 5, ""},
        {"a file over the bound", [](const Cache& c) { WriteTile(c, "123456"); }, 5, std::nullopt},
        {"no file", [](const Cache&) {}, 5, std::nullopt},
        {"no folder", [](const Cache& c) { fs::remove_all(c.Folder()); }, 5, std::nullopt},
        {"a folder at the name", [](const Cache& c) { fs::create_directory(c.File()); }, 5, std::nullopt},
#ifndef _WIN32
        {"a link at the file", [](const Cache& c) { fs::create_symlink(c.Outside() + "/b/tile", c.File()); }, 50,
         std::nullopt},
        {"a link at a folder",
         [](const Cache& c) {
             fs::remove_all(c.Root() + "/a");
             fs::create_directory_symlink(c.Outside(), c.Root() + "/a");
         },
         50, std::nullopt},
        {"a FIFO at the name", [](const Cache& c) { ASSERT_EQ(::mkfifo(c.File().c_str(), 0600), 0); }, 50,
         std::nullopt},
        {"the root reached through a link",
         [](const Cache& c) {
             WriteTile(c, "12345");
             fs::rename(c.Root(), c.dir.File("real"));
             fs::create_directory_symlink(c.dir.File("real"), c.Root());
         },
         5, "12345"},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Cache cache;
        const std::time_t before = std::time(nullptr);
        c.arrange(cache);
        const std::optional<CacheFile> read = ReadCacheFile(cache.Path(), c.maxBytes);
        ASSERT_EQ(read.has_value(), c.expected.has_value());
        if (!read) continue;
        EXPECT_EQ(read->Bytes, *c.expected);
        EXPECT_GE(read->Modified, before - 2);
        EXPECT_LE(read->Modified, std::time(nullptr) + 2);
    }
}

TEST(CacheFiles, AWriteReplacesWhatIsAtTheNameAndNothingElse)
{
    struct Case {
        const char* what;
        Arrange arrange;
        bool stored;
    };
    const Case cases[] = {
        {"no folders, not even the root", [](const Cache& c) { fs::remove_all(c.Root()); }, true},
        {"a file at the name", [](const Cache& c) { WriteTile(c, "an older and longer tile"); }, true},
        {"a folder at the name", [](const Cache& c) { fs::create_directory(c.File()); }, false},
#ifndef _WIN32
        {"a link at the file", [](const Cache& c) { fs::create_symlink(c.Outside() + "/b/tile", c.File()); }, true},
        {"a link at a folder",
         [](const Cache& c) {
             fs::remove_all(c.Root() + "/a");
             fs::create_directory_symlink(c.Outside(), c.Root() + "/a");
         },
         false},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Cache cache;
        c.arrange(cache);
        EXPECT_EQ(WriteCacheFile(cache.Path(), "new tile"), c.stored);
        if (c.stored) {
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(cache.File())));
            EXPECT_EQ(test::ReadAll(cache.File()), "new tile");
            const std::optional<CacheFile> read = ReadCacheFile(cache.Path(), 100);
            ASSERT_TRUE(read);
            EXPECT_EQ(read->Bytes, "new tile");
        }
        EXPECT_EQ(test::ReadAll(cache.Outside() + "/b/tile"), "outside");
        if (fs::is_directory(fs::symlink_status(cache.Folder()))) {
            std::set<std::string> names;
            for (const fs::directory_entry& entry : fs::directory_iterator(cache.Folder()))
                names.insert(entry.path().filename().string());
            EXPECT_EQ(names, std::set<std::string>{"tile"}) << "no temporary file left";
        }
    }
}

TEST(CacheFiles, OnlySingleNamesAreFollowed)
{
    Cache cache;
    WriteTile(cache, "tile");
    fs::create_directory(cache.Root() + "/c");
    const CachePath paths[] = {
        {cache.Root(), {"a/b"}, "tile"},
        {cache.Root(), {"a", "b", "..", "b"}, "tile"},
        {cache.Root(), {"a"}, "b/tile"},
        {cache.Root(), {"c", ".."}, "tile"},
        {cache.Root(), {"a", "b"}, ""},
#ifdef _WIN32
        {cache.Root(), {"a\\b"}, "tile"},
        {cache.Root(), {"a", "b"}, "tile:stream"},
#endif
    };
    for (size_t i = 0; i < std::size(paths); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(ReadCacheFile(paths[i], 100));
        EXPECT_FALSE(WriteCacheFile(paths[i], "new"));
    }
    EXPECT_EQ(test::ReadAll(cache.File()), "tile");
    EXPECT_FALSE(fs::exists(cache.Root() + "/tile"));
}

}  // namespace
}  // namespace qm
