#pragma once

#include <string>
#include <vector>

namespace qm {

struct Report;

// The report's lines, each followed by CR LF, as it is copied and saved.
std::string ReportText(const std::vector<std::string>& lines);

// Writes the report to its FileName, replacing a file of that name only once
// the new one is complete. Throws Error "Cannot create file "NAME". REASON"
// (or "Cannot write file ...") with the full name.
void SaveReport(const Report& report);

}  // namespace qm
