#include "stats/report.h"

#include "platform/date_time_text.h"
#include "platform/number_text.h"
#include "platform/path_text.h"
#include "stats/report_number.h"

#include <algorithm>
#include <array>

namespace qm {
namespace {

struct ReportField {
    std::string_view name;
    int width;
};

constexpr std::array<ReportField, 12> kFields = {{
    {"Part", 10},
    {"Date", 12},
    {"Dist", 9},
    {"Time sum", 10},
    {"Time mov", 10},
    {"Spd sum", 9},
    {"Spd mov", 9},
    {"Climb", 9},
    {"Min Hgt", 9},
    {"Max Hgt", 9},
    {"Start", 7},
    {"End", 7},
}};

std::string RowLabel(const StatRow& row)
{
    switch (row.Level) {
    case kDayLevel:
        return " Day " + IntToText(row.Number);
    case kPartLevel:
        return "  Part " + IntToText(row.Number);
    default:
        return "Track";
    }
}

std::string FieldValue(size_t field, const StatRow& row, const Settings& settings)
{
    auto number = [&](double value) { return ReportNumber(value, settings.NUMDIGITS, settings.DECDELIM); };
    // A row without a known height leaves its height cells empty.
    auto height = [&](const std::optional<double>& value) { return value ? number(*value) : std::string(); };
    switch (field) {
    case 0: return RowLabel(row);
    case 1: return row.Level == kDayLevel ? DateText(row.Date) : std::string();
    case 2: return number(row.Dist);
    case 3: return DurationText(row.TimeSum);
    case 4: return DurationText(row.TimeMov);
    case 5: return number(row.SpdSum);
    case 6: return number(row.SpdMov);
    case 7: return number(row.Climb);
    case 8: return height(row.MinHgt);
    case 9: return height(row.MaxHgt);
    case 10: return IntToText(int64_t{row.FirstPoint} + 1);
    default: return IntToText(int64_t{row.LastPoint} + 1);
    }
}

bool LevelShown(const StatRow& row, const Settings& settings)
{
    return row.Level >= 0 && row.Level < static_cast<int32_t>(settings.SHOWLEVEL.size()) &&
           settings.SHOWLEVEL[row.Level];
}

// Drops the delimiter that follows the last cell.
void DropLast(std::string& line, std::string_view delimiter)
{
    line.resize(line.size() - std::min(line.size(), delimiter.size()));
}

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// Where the character after the first n characters of text begins (UTF-8).
size_t CharactersEnd(std::string_view text, size_t n)
{
    size_t at = 0;
    for (; at < text.size(); ++at)
        if (StartsCharacter(text[at]) && n-- == 0) break;
    return at;
}

size_t CharacterCount(std::string_view text)
{
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), StartsCharacter));
}

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string PadCell(std::string_view text, int width, char alignment, ReportFormat format)
{
    if (format == ReportFormat::Csv) {
        while (!text.empty() && IsBlankOrControl(text.front())) text.remove_prefix(1);
        while (!text.empty() && IsBlankOrControl(text.back())) text.remove_suffix(1);
        return std::string(text);
    }
    // Widths count characters: a delimiter or a date may take several bytes.
    size_t size = width > 0 ? static_cast<size_t>(width) : 0;
    if (alignment == 'r' || alignment == 'R') {
        std::string padded = std::string(size, ' ') + std::string(text) + ' ';
        return padded.substr(CharactersEnd(padded, CharacterCount(padded) - size));
    }
    std::string padded = std::string(text) + std::string(size, ' ');
    return padded.substr(0, CharactersEnd(padded, size));
}

std::string ReportFileName(std::string_view outputDir, std::string_view trackPath, ReportFormat format)
{
    return OutputPath(outputDir, trackPath, format == ReportFormat::Txt ? "_stat.txt" : "_stat.csv");
}

Report BuildReport(const StatTable& table, const Settings& settings, std::string_view trackPath,
                   std::string_view outputDir, ReportFormat format)
{
    Report report;
    std::vector<std::string>& lines = report.Lines;
    lines.push_back("File: " + std::string(trackPath));

    std::string header;
    std::string rule;
    for (size_t f = 0; f < kFields.size(); ++f) {
        if (!settings.SHOWFIELD[f]) continue;
        header += PadCell(kFields[f].name, kFields[f].width, 'r', format) + settings.FIELDDELIM;
        for (int i = 0; i <= kFields[f].width; ++i) rule += settings.HORDELIM;
    }
    DropLast(header, settings.FIELDDELIM);
    DropLast(rule, settings.HORDELIM);
    lines.push_back(std::move(header));
    if (format == ReportFormat::Txt) lines.push_back(std::move(rule));

    for (const StatRow& row : table) {
        if (!LevelShown(row, settings)) continue;
        std::string line;
        for (size_t f = 0; f < kFields.size(); ++f) {
            if (!settings.SHOWFIELD[f]) continue;
            char alignment = f == 0 ? 'l' : 'r';
            line += PadCell(FieldValue(f, row, settings), kFields[f].width, alignment, format) + settings.FIELDDELIM;
        }
        DropLast(line, settings.FIELDDELIM);
        lines.push_back(std::move(line));
    }
    report.FileName = ReportFileName(outputDir, trackPath, format);
    return report;
}

}  // namespace qm
