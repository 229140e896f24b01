#pragma once

#include "settings/settings.h"
#include "stats/stat_row.h"

#include <string>
#include <string_view>
#include <vector>

namespace qm {

enum class ReportFormat { Txt = 0, Csv = 1 };

struct Report {
    std::vector<std::string> Lines;
    std::string FileName;  // where a save puts the report
};

// The report of a statistics table: the line "File: " + trackPath, the header,
// in TXT the rule under it, then one line per row of a shown level. Columns,
// levels, delimiters and decimals come from SHOWFIELD, SHOWLEVEL, DECDELIM,
// FIELDDELIM, HORDELIM and NUMDIGITS; dates from DateText, times from
// DurationText. The file name is ReportFileName.
Report BuildReport(const StatTable& table, const Settings& settings, std::string_view trackPath,
                   std::string_view outputDir, ReportFormat format);

// One cell. CSV: the text without blanks and control characters at either
// end. TXT with alignment 'r' or 'R': the text right-aligned in width - 1
// characters and one blank after it, cut at the left when longer. TXT with
// any other alignment: the text filled with blanks to width, cut at the right.
std::string PadCell(std::string_view text, int width, char alignment, ReportFormat format);

// The output directory and the track's name with "_stat.txt" or "_stat.csv"
// in place of its ".plt" (see OutputPath).
std::string ReportFileName(std::string_view outputDir, std::string_view trackPath, ReportFormat format);

}  // namespace qm
