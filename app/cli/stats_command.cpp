#include "cli.h"

#include "commands/statistics.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/message_text.h"
#include "platform/number_text.h"
#include "platform/system_error_text.h"
#include "stats/measure_table.h"
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

// Prints the measures table of the track, after a message on the values
// left out as implausible; false when the track cannot be used.
bool PrintMeasures(const TrackFiles& track, const Settings& settings, FileMessageSink& sink)
{
    const std::optional<MeasuredStatistics> statistics = TrackStatisticsAndMeasures(track, settings, sink);
    if (!statistics) return false;
    const MeasureSummary& summary = statistics->Measures;
    if (summary.Implausible > 0)
        PrintFileMessage(track.Name, MessageText(MessageId::ImplausibleLeftOut,
                                                 {IntToText(static_cast<int64_t>(summary.Implausible))}));
    std::string text = MessageText(MessageId::MeasuresFile, {track.Name}) + '\n';
    if (summary.Measures.empty()) {
        text += MessageText(MessageId::NoMeasures) + '\n';
    } else {
        text += MessageText(MessageId::MeasuresMeaning) + '\n';
        const char separator = DecimalSeparator(MessageLanguage());
        for (const std::string& line : MeasureTableLines(summary, CatalogueMeasureWords(), separator))
            text += line + '\n';
    }
    PrintOut(text);
    return true;
}

std::optional<ReportFormat> ParseFormat(std::string_view text)
{
    if (text == "txt") return ReportFormat::Txt;
    if (text == "csv") return ReportFormat::Csv;
    return std::nullopt;
}

}  // namespace

// The statistics report of each track, on standard output or saved; or the
// table of the measures of each track, on standard output.
int StatsCommand(std::span<char*> args)
{
    static constexpr std::array<std::string_view, 5> kOptions = {"--format", "--save", "--settings", "--lang",
                                                                 "--trip"};
    static constexpr std::array<std::string_view, 1> kFlags = {"--measures"};
    auto parsed = ParseArguments(args, kOptions, kFlags);
    if (!parsed) return kUsage;
    if (parsed->positional.empty()) return UsageError("stats needs a track");
    const bool measures = parsed->Flag("--measures");
    if (measures && (parsed->Option("--save") || parsed->Option("--format")))
        return UsageError("--measures prints the measures table: it takes neither --save nor --format");
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
        if (measures) {
            if (!TrackIsNoDirectory(track) || !PrintMeasures(track, settings, sink)) status = kFailure;
            continue;
        }
        std::optional<StatTable> table;
        if (TrackIsNoDirectory(track)) table = TrackStatistics(track, settings, sink);
        if (!table || !WriteReport(BuildReport(*table, settings, track.Name, saveDir.value_or("."), *format),
                                   saveDir.has_value(), sink))
            status = kFailure;
    }
    return status;
}

}  // namespace qm::cli
