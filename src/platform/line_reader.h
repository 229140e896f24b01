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
    explicit LineReader(std::string_view text, LineEnds ends = LineEnds::Lf)
        : text_(text), ends_(ends), nextLf_(Find('\n')), nextCr_(ends == LineEnds::Lf ? text.size() : Find('\r'))
    {
    }

    bool AtEnd() const { return at_ == text_.size(); }

    // How many lines are left, at most (a last one without its line end counts).
    size_t ExpectedLines() const
    {
        const std::string_view rest = text_.substr(at_);
        const auto count = [rest](char c) { return static_cast<size_t>(std::count(rest.begin(), rest.end(), c)); };
        return count('\n') + (ends_ == LineEnds::Lf ? 0 : count('\r')) + 1;
    }

    // The next line; past the end of the text an empty line.
    std::string_view Next()
    {
        const size_t lf = Following('\n', nextLf_);
        const size_t end = ends_ == LineEnds::Lf ? lf : std::min(lf, Following('\r', nextCr_));
        std::string_view line = text_.substr(at_, end - at_);
        const bool crLf = lf == end + 1 && lf < text_.size();
        at_ = end == text_.size() ? end : end + (crLf ? 2 : 1);
        if (ends_ == LineEnds::Lf && line.ends_with('\r')) line.remove_suffix(1);
        return line;
    }

private:
    // Where the first c at or after at_ stands; the end of the text when none.
    size_t Find(char c) const { return std::min(text_.find(c, at_), text_.size()); }

    // Find(c), searched again only once the place found before is passed, so
    // that a text without that character is searched through once.
    size_t Following(char c, size_t& found) const
    {
        if (found < at_) found = Find(c);
        return found;
    }

    std::string_view text_;
    LineEnds ends_;
    size_t at_ = 0;
    size_t nextLf_, nextCr_;
};

}  // namespace qm
