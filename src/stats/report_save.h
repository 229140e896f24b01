#pragma once

namespace qm {

struct Report;

// Writes the report's lines, each followed by CR LF, to its FileName,
// replacing a file of that name only once the new one is complete. Throws
// Error "Cannot create file "NAME". REASON" (or "Cannot write file ...") with
// the full name.
void SaveReport(const Report& report);

}  // namespace qm
