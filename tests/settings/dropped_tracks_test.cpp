#include "settings/dropped_tracks.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qm {
namespace {

using test::Native;
using test::Texts;

// The URL a file manager gives for a path of this system.
std::string FileUrl(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    return (path.starts_with("/") ? "file://" : "file:///") + path;
}

TEST(DroppedTracks, TheLocalFilesAreTheTrack)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir.File("folder"));
    const std::string folder = FileUrl(dir.File("folder"));
    using R = DropRefusal;
    const struct {
        Texts urls;
        R refusal;
        Texts paths;
    } cases[] = {
        {{"file:///t/a%20b.plt"}, R::None, {Native("/t/a b.plt")}},
        // A file that is not there yet is for the reader to report.
        {{"file:///t/gone.plt"}, R::None, {Native("/t/gone.plt")}},
        {{"https://example.com/a.plt", "file:///t/a.plt"}, R::None, {Native("/t/a.plt")}},
        {{}, R::NothingLocal, {}},
        {{"https://example.com/a.plt"}, R::NothingLocal, {}},
        {{"https://example.com/a.plt", "ftp://server/b.plt", "mailto:a@b"}, R::NothingLocal, {}},
        // Several files are the files of a trip.
        {{"file:///t/a.plt", "file:///t/b.plt"}, R::None, {Native("/t/a.plt"), Native("/t/b.plt")}},
        {{"file:///t/b.plt", folder}, R::Folder, {dir.File("folder")}},
        {{folder}, R::Folder, {dir.File("folder")}},
        {{folder + "/"}, R::Folder, {dir.File("folder") + Native("/")}},
    };
    for (const auto& c : cases) {
        const DroppedTracks dropped = TracksOfDrop(c.urls);
        const std::string what = c.urls.empty() ? "nothing" : c.urls.front();
        EXPECT_EQ(dropped.Refusal, c.refusal) << what;
        EXPECT_EQ(dropped.Paths, c.paths) << what;
    }
}

}  // namespace
}  // namespace qm
