#include "cli.h"

#include "platform/file_descriptor.h"
#include "platform/file_system.h"
#include "platform/message_text.h"
#include "platform/path_text.h"
#include "platform/quoted_input.h"
#include "platform/system_error_text.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <cerrno>
#include <iostream>

namespace qm::cli {
namespace {

int stdoutError = 0;  // errno of the first failed write to standard output

}  // namespace

void PrintOut(std::string_view text)
{
    constexpr int kStandardOutput = 1;
    if (stdoutError == 0 && !WriteAll(kStandardOutput, text)) stdoutError = errno;
}

int FinishOutput(int status)
{
    if (stdoutError == 0) return status;
    std::cerr << "quillmarsh-cli: write error: " << SystemErrorText(stdoutError) << '\n';
    return kFailure;
}

void PrintFileMessage(std::string_view path, std::string_view text, int line)
{
    std::cerr << EscapedText(path) << ':';
    if (line > 0) std::cerr << line << ':';
    std::cerr << ' ' << text << '\n';
}

void FileMessageSink::ShowMessage(const std::string& text) { Print(text); }

void FileMessageSink::ShowError(const std::string& text) { Print(text); }

void FileMessageSink::ShowFileError(const Error& error) { Print(error.what(), error.Line()); }

void FileMessageSink::ShowPlaced(const Message& message)
{
    if (path.empty())
        PrintFileMessage(message.File, message.Text, message.Line);
    else
        Print(message.Text, message.Line);
}

void FileMessageSink::Print(std::string_view text, int line)
{
    if (path.empty())
        std::cerr << text << '\n';
    else
        PrintFileMessage(path, text, line);
}

int UsageError(const std::string& problem)
{
    std::cerr << "quillmarsh-cli: " << EscapedText(problem) << "\nTry 'quillmarsh-cli --help'.\n";
    return kUsage;
}

std::optional<std::string> Arguments::Option(std::string_view name) const
{
    for (const auto& [key, value] : options)
        if (key == name) return value;
    return std::nullopt;
}

bool Arguments::Flag(std::string_view name) const
{
    return std::find(flags.begin(), flags.end(), name) != flags.end();
}

std::optional<Arguments> ParseArguments(std::span<char*> args, std::span<const std::string_view> optionNames,
                                        std::span<const std::string_view> flagNames)
{
    Arguments parsed;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (optionsEnded || arg.rfind("--", 0) != 0) {
            parsed.positional.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const bool flag = std::find(flagNames.begin(), flagNames.end(), arg) != flagNames.end();
        if (!flag && std::find(optionNames.begin(), optionNames.end(), arg) == optionNames.end()) {
            UsageError("unknown option " + std::string(arg));
            return std::nullopt;
        }
        if (parsed.Option(arg) || parsed.Flag(arg)) {
            UsageError("option " + std::string(arg) + " given twice");
            return std::nullopt;
        }
        if (flag) {
            parsed.flags.emplace_back(arg);
            continue;
        }
        if (i + 1 == args.size()) {
            UsageError("option " + std::string(arg) + " needs a value");
            return std::nullopt;
        }
        parsed.options.emplace_back(std::string(arg), args[++i]);
        if (arg == "--lang" && !ParseLanguage(parsed.options.back().second)) {
            UsageError("--lang takes ru or en");
            return std::nullopt;
        }
    }
    return parsed;
}

void UseMessageLanguage(const std::optional<std::string>& lang, const Settings& settings)
{
    SetMessageLanguage(lang ? ParseLanguage(*lang).value_or(settings.LANGUAGE) : settings.LANGUAGE);
}

bool LoadCliSettings(const std::string& file, bool useCurrentDirectory, const std::optional<std::string>& lang,
                     Settings& settings, FilesSettings& files)
{
    UseMessageLanguage(lang, settings);
    if (file.empty() && !useCurrentDirectory) return true;
    const std::string path = file.empty() ? std::string(kSettingsFileName) : file;
    // A settings file named on the command line must be there.
    if (!file.empty() && NothingAt(path)) {
        PrintFileMessage(path, SystemErrorText(ENOENT));
        return false;
    }
    const LoadedSettings loaded = LoadSettings(path, settings);
    files = loaded.PlainFiles();
    // The interface's keys are read first, also from a file whose load stops.
    UseMessageLanguage(lang, settings);
    if (loaded.Error) PrintFileMessage(path, loaded.Error->what(), loaded.Error->Line());
    return !loaded.Error;
}

bool TrackIsNoDirectory(const TrackFiles& track)
{
    for (const std::string& path : track.Paths) {
        if (!DirectoryExists(path)) continue;
        PrintFileMessage(path, MessageText(MessageId::TrackIsDirectory));
        return false;
    }
    return true;
}

std::optional<std::vector<TrackFiles>> CommandTracks(const Arguments& parsed)
{
    const std::vector<std::string>& paths = parsed.positional;
    const std::optional<std::string> name = parsed.Option("--trip");
    if (!name) return std::vector<TrackFiles>(paths.begin(), paths.end());
    const std::optional<std::string> fault = TripNameFault(*name);
    if (fault || name->find_first_not_of(' ') == std::string::npos) {
        UsageError(fault.value_or("--trip needs a name"));
        return std::nullopt;
    }
    // Named in the first file's folder, as the desktop program names a trip;
    // the outputs go where the options say.
    return std::vector<TrackFiles>{TrackFilesOf(paths, *name)};
}

}  // namespace qm::cli
