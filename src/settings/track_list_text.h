#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// The track field's text for its files: one file as its path alone, as it
// always was; several as a command line gives them, each in double quotes,
// so that the text reads back as those files even when one is missing.
std::string TrackListText(const std::vector<std::string>& paths);

// The files the track field's text names. A text with a double quote that
// is no file's name, or whose every blank-separated word names an existing
// file, is read as a command line (blanks separate, double quotes hold
// blanks, nothing else is special, so "\" stays a separator); any other text
// is one path as it is, so a path with a blank is never split.
std::vector<std::string> TrackListOfText(std::string_view text,
                                         const std::function<bool(const std::string&)>& fileExists);

// Whether the text names files (TrackListOfText) and every one of them exists.
bool EveryTrackFileExists(std::string_view text);

}  // namespace qm
