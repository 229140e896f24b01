#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

// Text for XML character data and attribute values: &, <, > and " escaped,
// the control characters XML 1.0 does not allow left out.
std::string XmlEscaped(std::string_view text);

// Whether c is one of XML's blanks: space, tab, CR, LF.
inline bool IsXmlBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The text without the XML blanks at either end.
std::string_view XmlTrimmed(std::string_view text);

// <name>text</name>, the text escaped.
std::string XmlElement(std::string_view name, std::string_view text);

// An xsd:decimal: fixed notation, never an exponent, rounded to at most
// `decimals` digits after the point without trailing zeros.
std::string XmlDecimal(double value, int decimals);
// Degrees to 10 decimals (about 10 micrometres), more than any track file
// holds; metres to 6 (a micrometre). Every value read is written as read,
// and none takes more digits than a schema's decimal allows.
inline std::string XmlDegrees(double degrees) { return XmlDecimal(degrees, 10); }
inline std::string XmlMetres(double metres) { return XmlDecimal(metres, 6); }

// A colour held as 0x00BBGGRR (red in the lowest byte) as the hexadecimal
// "RRGGBB" that GPX styles and HTML use.
std::string RgbHex(int32_t color);

}  // namespace qm
