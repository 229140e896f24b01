#pragma once

#include <string>
#include <string_view>

namespace qm {

// A piece of input as a message quotes it: at most its first 80 characters
// (UTF-8), then "…" when there were more, each control character (C0, DEL,
// C1) written as an escape (\0, \t, \n, \r, \x1B, \u0085), so that a quote
// never spans two lines nor megabytes.
std::string QuotedInput(std::string_view text);

// The text whole, each control character written as QuotedInput writes it:
// a path or a name in a message stays on the message's one line and sends
// nothing to a terminal.
std::string EscapedText(std::string_view text);

}  // namespace qm
