#include "cli.h"

#include "commands/statistics.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "stats/report.h"
#include "stats/report_save.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <iostream>

namespace qm::cli {
namespace {

// Prints the report, or saves it and prints its path; false when that failed.
bool WriteReport(const Report& report, bool save, MessageSink& sink)
{
    if (!save) {
        for (const std::string& line : report.Lines) std::cout << line << '\n';
        return static_cast<bool>(std::cout.flush());
    }
    try {
        SaveReport(report);
    } catch (const Error& error) {
        sink.ShowError(error.what());
        return false;
    }
    std::cout << report.FileName << '\n';
    return true;
}

std::optional<ReportFormat> ParseFormat(std::string_view text)
{
    if (text == "txt") return ReportFormat::Txt;
    if (text == "csv") return ReportFormat::Csv;
    return std::nullopt;
}

}  // namespace

// The statistics report of each track, on standard output or saved.
int StatsCommand(std::span<char*> args)
{
    static constexpr std::array<std::string_view, 3> kOptions = {"--format", "--save", "--settings"};
    auto parsed = ParseArguments(args, kOptions);
    if (!parsed) return kUsage;
    if (parsed->positional.empty()) return UsageError("stats needs a track");
    auto format = ParseFormat(parsed->Option("--format").value_or("txt"));
    if (!format) return UsageError("--format takes txt or csv");
    std::optional<std::string> saveDir = parsed->Option("--save");
    if (saveDir && saveDir->empty()) return UsageError("--save needs a directory");

    StderrSink sink;
    Settings settings;
    FilesSettings files;
    if (!LoadCliSettings(parsed->Option("--settings").value_or(""), true, settings, files, sink)) return kFailure;
    if (saveDir && !DirectoryExists(*saveDir) && !CreateDir(*saveDir)) {
        sink.ShowError("Cannot create directory \"" + *saveDir + "\". " + std::strerror(errno));
        return kFailure;
    }

    int status = kSuccess;
    for (const std::string& track : parsed->positional) {
        std::optional<StatTable> table = TrackStatistics(track, settings, sink);
        if (!table || !WriteReport(BuildReport(*table, settings, track, saveDir.value_or("."), *format),
                                   saveDir.has_value(), sink))
            status = kFailure;
    }
    return status;
}

}  // namespace qm::cli
