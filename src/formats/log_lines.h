#pragma once

#include "platform/line_reader.h"
#include "platform/utf8_bom.h"

#include <string_view>

namespace qm {

// The lines of a log a logger or a program wrote as text (IGC, NMEA): after
// a UTF-8 byte-order mark, each ending at LF, CR LF or a CR alone.
inline LineReader LogLines(std::string_view content)
{
    return LineReader(WithoutUtf8Bom(content), LineEnds::LfCrLfOrCr);
}

// The text without the blanks and tabs at either end.
inline std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The next line with more than blanks in it, trimmed: some programs write an
// empty line after each record.
inline std::string_view NextFilledLine(LineReader& lines)
{
    std::string_view line;
    while (line.empty() && !lines.AtEnd()) line = Trimmed(lines.Next());
    return line;
}

}  // namespace qm
