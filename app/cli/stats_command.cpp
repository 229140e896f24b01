#include "cli.h"

#include "platform/error.h"
#include "platform/file_system.h"
#include "stats/report.h"
#include "stats/report_save.h"
#include "stats/stat_command.h"

#include <array>
#include <cerrno>
#include <cstring>

namespace qm::cli {
namespace {

// Where the desktop program opens the statistics window, the tool prints the
// report or saves it.
class ReportOutput : public StatisticsControls {
public:
    ReportOutput(const Settings& settings, const TStatRecArray& table, ReportFormat format,
                 const std::optional<std::string>& saveDir, FileMessageSink& sink)
        : settings_(settings), table_(table), format_(format), saveDir_(saveDir), sink_(sink)
    {
    }

    // Set before each run of the command.
    bool written = false;

    void ControlsEnabled(bool) override {}

    void ShowStatisticsWindow() override
    {
        Report report = BuildReport(table_, settings_, sink_.path, saveDir_.value_or("."), format_);
        if (!saveDir_) {
            std::string text;
            for (const std::string& line : report.Lines) text += line + '\n';
            PrintOut(text);
            written = true;
            return;
        }
        try {
            SaveReport(report);
            PrintOut(report.FileName + '\n');
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
    FileMessageSink& sink_;
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

    Settings settings;
    PlainFilesState files;
    if (!LoadCliSettings(parsed->Option("--settings").value_or(""), true, settings, files)) return kFailure;
    const std::vector<std::string>& tracks = parsed->positional;
    if (saveDir) {
        BatchOutputs outputs;
        for (const std::string& track : tracks) outputs.push_back({ReportFileName(*saveDir, track, *format)});
        if (!CheckBatch(tracks, outputs)) return kFailure;
        if (!DirectoryExists(*saveDir) && !CreateDir(*saveDir)) {
            PrintFileMessage(*saveDir, "Cannot create directory \"" + *saveDir + "\". " + std::strerror(errno));
            return kFailure;
        }
    }

    FileMessageSink sink;
    TStatRecArray table;
    ReportOutput output(settings, table, *format, saveDir, sink);
    int status = kSuccess;
    for (const std::string& track : tracks) {
        sink.path = track;
        output.written = false;
        if (TrackIsNoDirectory(track)) GetStatExecute(track, settings, table, output, sink);
        if (!output.written) status = kFailure;
    }
    return status;
}

}  // namespace qm::cli
