#include "cli.h"

#include "platform/error.h"
#include "platform/file_system.h"
#include "stats/report.h"
#include "stats/report_save.h"
#include "stats/stat_command.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <iostream>

namespace qm::cli {
namespace {

// Where the desktop program opens the statistics window, the tool prints the
// report or saves it.
class ReportOutput : public StatisticsControls {
public:
    ReportOutput(const Settings& settings, const TStatRecArray& table, ReportFormat format,
                 const std::optional<std::string>& saveDir, MessageSink& sink)
        : settings_(settings), table_(table), format_(format), saveDir_(saveDir), sink_(sink)
    {
    }

    // Set before each run of the command.
    std::string trackPath;
    bool written = false;

    void ControlsEnabled(bool) override {}

    void ShowStatisticsWindow() override
    {
        Report report = BuildReport(table_, settings_, trackPath, saveDir_.value_or("."), format_);
        if (!saveDir_) {
            for (const std::string& line : report.Lines) std::cout << line << '\n';
            written = static_cast<bool>(std::cout.flush());
            return;
        }
        try {
            SaveReport(report);
            std::cout << report.FileName << '\n';
            written = true;
        } catch (const Error& error) {
            sink_.ShowError(error.what());
        }
    }

private:
    const Settings& settings_;
    const TStatRecArray& table_;
    ReportFormat format_;
    const std::optional<std::string>& saveDir_;
    MessageSink& sink_;
};

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
    PlainFilesState files;
    if (!LoadCliSettings(parsed->Option("--settings").value_or(""), true, settings, files, sink)) return kFailure;
    if (saveDir && !DirectoryExists(*saveDir) && !CreateDir(*saveDir)) {
        sink.ShowError("Cannot create directory \"" + *saveDir + "\". " + std::strerror(errno));
        return kFailure;
    }

    TStatRecArray table;
    ReportOutput output(settings, table, *format, saveDir, sink);
    int status = kSuccess;
    for (const std::string& track : parsed->positional) {
        output.trackPath = track;
        output.written = false;
        GetStatExecute(track, settings, table, output, sink);
        if (!output.written) status = kFailure;
    }
    return status;
}

}  // namespace qm::cli
