#include "stats/report_save.h"

#include "platform/file_system.h"
#include "stats/report.h"

namespace qm {

std::string ReportText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += kLineEnd;
    }
    return text;
}

void SaveReport(const Report& report) { WriteFileAtomically(report.FileName, ReportText(report.Lines)); }

}  // namespace qm
