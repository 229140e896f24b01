#pragma once

#include <algorithm>
#include <string_view>

namespace qm {

// Walks text line by line without copying. A line ends at LF; a CR right
// before it, or at the very end of the text, belongs to the line end. A final
// line end does not start another line.
class LineReader {
public:
    explicit LineReader(std::string_view text) : rest_(text) {}

    bool AtEnd() const { return rest_.empty(); }

    // How many lines are left, at most (a last one without its line end counts).
    size_t ExpectedLines() const { return static_cast<size_t>(std::count(rest_.begin(), rest_.end(), '\n')) + 1; }

    // The next line; past the end of the text an empty line.
    std::string_view Next()
    {
        size_t lf = rest_.find('\n');
        std::string_view line = rest_.substr(0, lf);
        rest_ = lf == std::string_view::npos ? std::string_view() : rest_.substr(lf + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return line;
    }

private:
    std::string_view rest_;
};

}  // namespace qm
