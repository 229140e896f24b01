#include "map/text_width.h"

#include <vector>

namespace qm {

std::string ElidedText(const std::string& text, double room, const TextWidth& textWidth, bool bold)
{
    if (textWidth(text, bold) <= room) return text;
    // Where each character after the first starts: a text is cut there only.
    std::vector<size_t> cuts;
    for (size_t at = 1; at < text.size(); ++at)
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) cuts.push_back(at);
    static const std::string kEllipsis = "…";
    auto fits = [&](size_t cut) { return textWidth(text.substr(0, cuts[cut]) + kEllipsis, bold) <= room; };
    // The widths grow with the length: the longest beginning that fits is found by halves.
    size_t low = 0, high = cuts.size();  // cuts below low fit, those from high on do not
    while (low < high) {
        const size_t middle = (low + high) / 2;
        if (fits(middle))
            low = middle + 1;
        else
            high = middle;
    }
    return low == 0 ? std::string() : text.substr(0, cuts[low - 1]) + kEllipsis;
}

}  // namespace qm
