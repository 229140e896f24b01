#include "settings/track_list_text.h"

#include <gtest/gtest.h>

#include <set>

namespace qm {
namespace {

using Paths = std::vector<std::string>;

// The field's text both ways: what a text names, and the text of what it
// names again.
TEST(TrackListText, OnePathStaysAsItIsSeveralReadAsACommandLine)
{
    const std::set<std::string> existing = {"day1.plt", "day 2.fit", "C:\\Tracks\\a.gpx", "b.gpx", "my \"best\".plt"};
    const auto exists = [&](const std::string& path) { return existing.count(path) > 0; };
    const struct {
        std::string text;
        Paths paths;
        std::string again;  // when not the text itself
    } cases[] = {
        {"day1.plt", {"day1.plt"}, ""},
        {"My Tracks/missing.plt", {"My Tracks/missing.plt"}, ""},
        {"day 2.fit", {"day 2.fit"}, ""},
        {"my \"best\".plt", {"my \"best\".plt"}, ""},
        {"day1.plt b.gpx", {"day1.plt", "b.gpx"}, "\"day1.plt\" \"b.gpx\""},
        {"day1.plt  b.gpx missing.plt", {"day1.plt  b.gpx missing.plt"}, ""},
        {"day1.plt \"day 2.fit\" C:\\Tracks\\a.gpx", {"day1.plt", "day 2.fit", "C:\\Tracks\\a.gpx"},
         "\"day1.plt\" \"day 2.fit\" \"C:\\Tracks\\a.gpx\""},
        {"\"day1.plt\"", {"day1.plt"}, "day1.plt"},
        {" \"a b\"x  \"\" ", {"a bx", ""}, "\"a bx\" \"\""},
        {"", {""}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Paths paths = TrackListOfText(c.text, exists);
        EXPECT_EQ(paths, c.paths);
        EXPECT_EQ(TrackListText(paths), c.again.empty() ? c.text : c.again);
    }
}

}  // namespace
}  // namespace qm
