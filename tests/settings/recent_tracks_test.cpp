#include "settings/recent_tracks.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::Texts;

#ifdef _WIN32
constexpr bool kNamesInAnyCase = true;
#else
constexpr bool kNamesInAnyCase = false;
#endif

Texts Numbered(int from, int to)
{
    Texts paths;
    for (int n = from; n <= to; ++n) paths.push_back("/t/" + std::to_string(n) + ".plt");
    return paths;
}

Texts Reversed(Texts texts) { return Texts(texts.rbegin(), texts.rend()); }

TEST(RecentTracks, NewestFirstEachOnceAtMostTen)
{
    const std::string tooLong(RecentTracks::kMaxPathLength + 1, 'a');
    const std::string longest = "/" + std::string(RecentTracks::kMaxPathLength - 1, 'b');
    const struct {
        const char* what;
        Texts opened;
        Texts listed;
    } cases[] = {
        {"newest first", {"/t/a.plt", "/t/b.plt"}, {"/t/b.plt", "/t/a.plt"}},
        {"opened again moves up", {"/t/a.plt", "/t/b.plt", "/t/a.plt"}, {"/t/a.plt", "/t/b.plt"}},
        {"the oldest goes past ten", Numbered(1, 12), Reversed(Numbered(3, 12))},
        {"not kept", {"", tooLong, "/t/a\n[VISUAL]\nTRACKWIDTH=9", "/t/b\r.plt", longest}, {longest}},
        {"one path in two cases",
         {"/t/Day.plt", "/t/x.plt", "/t/DAY.plt"},
         kNamesInAnyCase ? Texts{"/t/DAY.plt", "/t/x.plt"} : Texts{"/t/DAY.plt", "/t/x.plt", "/t/Day.plt"}},
    };
    for (const auto& c : cases) {
        RecentTracks recent;
        for (const std::string& path : c.opened) recent.Opened(path);
        EXPECT_EQ(recent.Paths(), c.listed) << c.what;
    }
}

TEST(RecentTracks, TellsWhetherTheListChanged)
{
    RecentTracks recent;
    EXPECT_TRUE(recent.Opened("/t/a.plt"));
    EXPECT_FALSE(recent.Opened("/t/a.plt"));
    EXPECT_FALSE(recent.Opened(""));
    EXPECT_TRUE(recent.Opened("/t/b.plt"));
    EXPECT_TRUE(recent.Opened("/t/a.plt"));
}

TEST(RecentTracks, ExistingLeavesOutWhatIsGone)
{
    test::TempDir dir;
    RecentTracks recent;
    for (const char* name : {"old.plt", "gone.plt", "folder", "new.plt"}) recent.Opened(dir.File(name));
    dir.Write("old.plt", "");
    dir.Write("new.plt", "");
    std::filesystem::create_directory(dir.File("folder"));
    EXPECT_EQ(recent.Existing(), (Texts{dir.File("new.plt"), dir.File("old.plt")}));
    EXPECT_EQ(recent.Paths().size(), 4u);
}

}  // namespace
}  // namespace qm
