#pragma once

#include "support/test_support.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace qm::test {

// The text's lines, each with its line end.
inline std::vector<std::string> TextLines(const std::string& text)
{
    std::vector<std::string> lines;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find('\n', at);
        const size_t next = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(at, next - at));
        at = next;
    }
    return lines;
}

// A real track as one file, and as the files of a trip split where a piece
// starts, each file made of ranges [first, end) of the track's lines.
struct SplitFile {
    std::string Name;
    std::vector<std::pair<size_t, size_t>> Lines;
};
inline std::vector<std::string> WriteSplitFiles(const TempDir& dir, const std::string& source,
                                                const std::vector<SplitFile>& files)
{
    const std::vector<std::string> lines = TextLines(ReadAll(source));
    std::vector<std::string> paths;
    for (const SplitFile& file : files) {
        std::string text;
        for (const auto& [first, end] : file.Lines)
            for (size_t i = first; i < std::min(lines.size(), end); ++i) text += lines[i];
        paths.push_back(dir.Write(file.Name, text));
    }
    return paths;
}

// A real logger's track of six pieces as whole.plt and as the three files
// p1.plt, p2.plt and p3.plt, each with the header's six lines.
struct SplitTrack {
    std::string Whole, P1, P2, P3;
};
inline SplitTrack WriteSplitTrack(const TempDir& dir)
{
    constexpr size_t kAll = 1 << 20;
    const std::vector<std::string> paths =
        WriteSplitFiles(dir, QM_TEST_DATA "/tracks/gpsbabel-derived-reference-track-mtk_logger_m241_multiple_tracks.plt",
                        {{"whole.plt", {{0, kAll}}},
                         {"p1.plt", {{0, 7361}}},
                         {"p2.plt", {{0, 6}, {7361, 10722}}},
                         {"p3.plt", {{0, 6}, {10722, kAll}}}});
    return {paths[0], paths[1], paths[2], paths[3]};
}

}  // namespace qm::test
