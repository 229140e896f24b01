#include "stats/report_save.h"

#include "platform/atomic_file_writer.h"
#include "platform/file_system.h"
#include "stats/report.h"

namespace qm {

void SaveReport(const Report& report) { WriteFileAtomically(report.FileName, JoinLines(report.Lines)); }

}  // namespace qm
