#pragma once

#include <algorithm>
#include <string_view>

namespace qm {

// Where a line ends. Lf: at LF, a CR right before it, or at the very end of
// the text, belonging to the line end. LfCrLfOrCr: at LF, CR LF or a CR
// alone, as old Mac programs and some loggers end lines, also mixed.
enum class LineEnds { Lf, LfCrLfOrCr };

// Walks text line by line without copying. A final line end does not start
// another line.
class LineReader {
public:
    explicit LineReader(std::string_view text, LineEnds ends = LineEnds::Lf) : rest_(text), ends_(ends) {}

    bool AtEnd() const { return rest_.empty(); }

    // How many lines are left, at most (a last one without its line end counts).
    size_t ExpectedLines() const
    {
        const auto count = [this](char c) { return static_cast<size_t>(std::count(rest_.begin(), rest_.end(), c)); };
        return count('\n') + (ends_ == LineEnds::Lf ? 0 : count('\r')) + 1;
    }

    // The next line; past the end of the text an empty line.
    std::string_view Next()
    {
        const size_t end = ends_ == LineEnds::Lf ? rest_.find('\n') : rest_.find_first_of("\r\n");
        std::string_view line = rest_.substr(0, end);
        if (end == std::string_view::npos) {
            rest_ = {};
        } else {
            const bool crLf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
            rest_.remove_prefix(end + (crLf ? 2 : 1));
        }
        if (ends_ == LineEnds::Lf && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        return line;
    }

private:
    std::string_view rest_;
    LineEnds ends_;
};

}  // namespace qm
