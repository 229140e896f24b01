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

}  // namespace qm
