#include "platform/file_url.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace qm {
namespace {

TEST(FileUrl, LocalPathInEachSystemsForm)
{
    using P = PathStyle;
    const std::string none = "(none)";
    const struct {
        const char* url;
        std::string posix;
        std::string windows;
    } cases[] = {
        {"file:///home/a/sample.plt", "/home/a/sample.plt", "\\home\\a\\sample.plt"},
        {"FILE://LocalHost/home/a/x.plt", "/home/a/x.plt", "\\home\\a\\x.plt"},
        {"file:/home/a/x.plt", "/home/a/x.plt", "\\home\\a\\x.plt"},
        // Escapes: blanks, Cyrillic in UTF-8, "%" itself, a "?" and "#" in a name.
        {"file:///tmp/%D0%B4%D0%B5%D0%BD%D1%8C%201%25.plt", "/tmp/день 1%.plt", "\\tmp\\день 1%.plt"},
        {"file:///tmp/a%3Fb%23c.plt?x=1#top", "/tmp/a?b#c.plt", "\\tmp\\a?b#c.plt"},
        {"file:///tmp/100%zz.plt", "/tmp/100%zz.plt", "\\tmp\\100%zz.plt"},
        {"file:///tmp/a%2", "/tmp/a%2", "\\tmp\\a%2"},
        // Drive letters and shares on Windows; a share is no local file elsewhere.
        {"file:///C:/Users/a/x.plt", "/C:/Users/a/x.plt", "C:\\Users\\a\\x.plt"},
        {"file:///d:", "/d:", "d:"},
        {"file://server/share/x.plt", none, "\\\\server\\share\\x.plt"},
        {"file:////server/share/x.plt", "//server/share/x.plt", "\\\\server\\share\\x.plt"},
        // No file.
        {"file://", none, none},
        {"file:", none, none},
        {"file:relative.plt", none, none},
        {"file:///tmp/a%00b.plt", none, none},
        {"https://example.com/a.plt", none, none},
        {"/home/a/x.plt", none, none},
        {"", none, none},
        {"fil", none, none},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LocalPathOfUrl(c.url, P::Posix).value_or(none), c.posix) << c.url;
        EXPECT_EQ(LocalPathOfUrl(c.url, P::Windows).value_or(none), c.windows) << c.url;
    }
}

}  // namespace
}  // namespace qm
