#include "settings/track_list_text.h"

#include "platform/file_system.h"

#include <algorithm>

namespace qm {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The words of a command line: runs of non-blanks, blanks within double
// quotes kept; the quotes themselves dropped.
std::vector<std::string> CommandLineWords(std::string_view text)
{
    std::vector<std::string> words;
    bool inWord = false;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            if (!inWord) words.emplace_back();
            inWord = true;
        } else if (IsBlank(c) && !quoted) {
            inWord = false;
        } else {
            if (!inWord) words.emplace_back();
            inWord = true;
            words.back() += c;
        }
    }
    return words;
}

}  // namespace

std::string TrackListText(const std::vector<std::string>& paths)
{
    if (paths.size() == 1) return paths.front();
    std::string text;
    for (const std::string& path : paths) {
        if (!text.empty()) text += ' ';
        text += '"' + path + '"';
    }
    return text;
}

std::vector<std::string> TrackListOfText(std::string_view text,
                                         const std::function<bool(const std::string&)>& fileExists)
{
    const std::vector<std::string> words = CommandLineWords(text);
    const bool commandLine = (text.find('"') != std::string_view::npos && !fileExists(std::string(text))) ||
                             (words.size() > 1 && std::all_of(words.begin(), words.end(), fileExists));
    if (commandLine && !words.empty()) return words;
    return {std::string(text)};
}

bool EveryTrackFileExists(std::string_view text)
{
    const std::vector<std::string> files = TrackListOfText(text, FileExists);
    return std::all_of(files.begin(), files.end(), [](const std::string& path) { return FileExists(path); });
}

}  // namespace qm
