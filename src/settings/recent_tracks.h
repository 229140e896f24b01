#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qm {

// The tracks opened last, newest first, as the track field offers them (a
// trip as the field's text of its files):
// at most kCount, each path at most kMaxPathLength bytes and listed once, the
// same path compared as the system compares names.
class RecentTracks {
public:
    static constexpr int kCount = 10;
    // Well within what a settings file's value holds (2047).
    static constexpr size_t kMaxPathLength = 2000;

    // An opened track goes first; an older mention of it leaves, and past
    // kCount the oldest. An empty path, a longer one or one with a line break
    // is not kept. True
    // when the list changed.
    bool Opened(const std::string& path);
    // A track read back from the settings file after those read before it
    // (older), by the same rules; one already listed is passed over.
    void AddOlder(const std::string& path);

    // Newest first.
    const std::vector<std::string>& Paths() const { return paths_; }
    // Those whose files are all there now, newest first.
    std::vector<std::string> Existing() const;

private:
    static bool Kept(const std::string& path);
    std::vector<std::string>::iterator Find(const std::string& path);

    std::vector<std::string> paths_;
};

}  // namespace qm
