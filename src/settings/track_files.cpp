#include "settings/track_files.h"

#include "platform/file_system.h"
#include "platform/message_text.h"
#include "platform/path_text.h"
#include "platform/quoted_input.h"
#include "settings/track_list_text.h"

namespace qm {
namespace {

std::string_view WithoutBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string TripName(const std::string& firstPath) { return WithNameSuffix(firstPath, "_trip"); }

TrackFiles TrackFilesOf(std::vector<std::string> paths, std::string_view tripName)
{
    if (paths.size() == 1) return TrackFiles(paths.front());
    const std::string_view named = WithoutBlanks(tripName);
    // ".trip" is the extension the output names replace, so that the name is
    // kept whole (a.b_5.plt, not a_5.plt) and its sub-folder is "a.b/".
    std::string name =
        named.empty() ? TripName(paths.front()) : JoinPath(PathDirPart(paths.front()), std::string(named) + ".trip");
    return TrackFiles(std::move(paths), std::move(name));
}

TrackFiles TrackFilesOfText(std::string_view text, std::string_view tripName)
{
    return TrackFilesOf(TrackListOfText(text, FileExists), tripName);
}

std::optional<std::string> TripNameFault(std::string_view tripName)
{
    const std::string_view name = WithoutBlanks(tripName);
    bool unfit = name == "." || name == "..";
    for (const char c : name)
        unfit = unfit || std::string_view("\\/:*?\"<>|\x7F").find(c) != std::string_view::npos ||
                static_cast<unsigned char>(c) < 0x20;
    if (!unfit) return std::nullopt;
    return MessageText(MessageId::TripNameUnfit, {QuotedInput(name)});
}

}  // namespace qm
