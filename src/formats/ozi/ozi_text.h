#pragma once

#include <string>
#include <string_view>

namespace qm {

// The numbers of the OziExplorer files we write: the value rounded to 15
// significant digits in plain decimal, never with an exponent, then "." and
// zeros appended and the whole cut to `width` characters:
// FixedWidthNumber(9, -114.06445) is "-114.0644".
std::string FixedWidthNumber(int width, double value);
// The same text written at out; gives the end, out + width.
char* WriteFixedWidthNumber(char* out, int width, double value);

// The line with its n-th comma-separated field (counted from 1) replaced by
// value; all other fields and commas stay. A line with fewer fields first
// gets empty ones up to field n.
std::string ReplaceField(std::string_view line, int n, std::string_view value);

// A header line read from a track file as we write it: a CR left in it (a
// lone one) would end the line for a reader that ends lines at CR, so it
// becomes a blank.
std::string HeaderLineText(std::string_view line);

}  // namespace qm
