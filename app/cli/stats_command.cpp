#include "cli.h"

#include "commands/statistics.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/message_text.h"
#include "platform/system_error_text.h"
#include "stats/report.h"
#include "stats/report_save.h"

#include <array>
#include <cerrno>

namespace qm::cli {
namespace {

// Prints the report, or saves it and prints its path; false when it could
// not be saved.
bool WriteReport(const Report& report, bool save, FileMessageSink& sink)
{
    if (!save) {
        std::string text;
        for (const std::string& line : report.Lines) text += line + '\n';
        PrintOut(text);
        return true;
    }
    try {
        SaveReport(report);
    } catch (const Error& error) {
        sink.ShowError(error.what());
        return false;
    }
    PrintOut(report.FileName + '\n');
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
    static constexpr std::array<std::string_view, 5> kOptions = {"--format", "--save", "--settings", "--lang",
                                                                 "--trip"};
    auto parsed = ParseArguments(args, kOptions);
    if (!parsed) return kUsage;
    if (parsed->positional.empty()) return UsageError("stats needs a track");
    const std::optional<std::vector<TrackFiles>> tracks = CommandTracks(*parsed);
    if (!tracks) return kUsage;
    auto format = ParseFormat(parsed->Option("--format").value_or("txt"));
    if (!format) return UsageError("--format takes txt or csv");
    std::optional<std::string> saveDir = parsed->Option("--save");
    if (saveDir && saveDir->empty()) return UsageError("--save needs a directory");

    Settings settings;
    FilesSettings files;
    if (!LoadCliSettings(parsed->Option("--settings").value_or(""), true, parsed->Option("--lang"), settings, files))
        return kFailure;
    if (saveDir) {
        BatchOutputs outputs;
        for (const TrackFiles& track : *tracks) outputs.push_back({ReportFileName(*saveDir, track.Name, *format)});
        if (!CheckBatch(*tracks, outputs)) return kFailure;
        if (!DirectoryExists(*saveDir) && !CreateDir(*saveDir)) {
            PrintFileMessage(*saveDir, MessageText(MessageId::DirectoryNotCreated, {*saveDir, SystemErrorText(errno)}));
            return kFailure;
        }
    }

    FileMessageSink sink;
    int status = kSuccess;
    for (const TrackFiles& track : *tracks) {
        sink.path = track.Paths.size() == 1 ? track.Name : "";
        std::optional<StatTable> table;
        if (TrackIsNoDirectory(track)) table = TrackStatistics(track, settings, sink);
        if (!table || !WriteReport(BuildReport(*table, settings, track.Name, saveDir.value_or("."), *format),
                                   saveDir.has_value(), sink))
            status = kFailure;
    }
    return status;
}

}  // namespace qm::cli
