#pragma once

#include "support/test_support.h"

#include <algorithm>
#include <string>
#include <vector>

namespace qm::test {

// A real logger's track of six pieces as one file, and as the three files
// of a trip split where a piece starts (each with the header's lines).
struct SplitTrack {
    std::string Whole, P1, P2, P3;
};

inline SplitTrack WriteSplitTrack(const TempDir& dir)
{
    constexpr size_t kHeaderLines = 6;
    const std::string text =
        ReadAll(QM_TEST_DATA "/tracks/gpsbabel-derived-reference-track-mtk_logger_m241_multiple_tracks.plt");
    std::vector<std::string> lines;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find('\n', at);
        const size_t next = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(at, next - at));
        at = next;
    }
    // The header and the points [first, end) as a file.
    auto part = [&](const std::string& name, size_t first, size_t end) {
        std::string file;
        for (size_t i = 0; i < kHeaderLines; ++i) file += lines[i];
        for (size_t i = kHeaderLines + first; i < std::min(lines.size(), kHeaderLines + end); ++i) file += lines[i];
        return dir.Write(name, file);
    };
    return {part("whole.plt", 0, lines.size()), part("p1.plt", 0, 7355), part("p2.plt", 7355, 10716),
            part("p3.plt", 10716, lines.size())};
}

}  // namespace qm::test
