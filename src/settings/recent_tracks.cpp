#include "settings/recent_tracks.h"

#include "platform/file_system.h"
#include "settings/track_list_text.h"

#include <algorithm>

namespace qm {

// A line break would end the settings file's line early, and the rest of the
// name would read as keys of its own.
bool RecentTracks::Kept(const std::string& path)
{
    return !path.empty() && path.size() <= kMaxPathLength &&
           std::none_of(path.begin(), path.end(), [](char c) { return c == '\n' || c == '\r'; });
}

std::vector<std::string>::iterator RecentTracks::Find(const std::string& path)
{
    return std::find_if(paths_.begin(), paths_.end(),
                        [&](const std::string& listed) { return SamePathSpelling(listed, path); });
}

bool RecentTracks::Opened(const std::string& path)
{
    if (!Kept(path)) return false;
    const auto listed = Find(path);
    if (listed == paths_.begin() && listed != paths_.end() && *listed == path) return false;
    if (listed != paths_.end()) paths_.erase(listed);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > static_cast<size_t>(kCount)) paths_.pop_back();
    return true;
}

void RecentTracks::AddOlder(const std::string& path)
{
    if (Kept(path) && paths_.size() < static_cast<size_t>(kCount) && Find(path) == paths_.end())
        paths_.push_back(path);
}

std::vector<std::string> RecentTracks::Existing() const
{
    std::vector<std::string> existing;
    std::copy_if(paths_.begin(), paths_.end(), std::back_inserter(existing),
                 [](const std::string& entry) { return EveryTrackFileExists(entry); });
    return existing;
}

}  // namespace qm
