#pragma once

#include "settings/track_files.h"
#include "platform/message_sink.h"
#include "settings/files_settings.h"
#include "settings/settings.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qm::cli {

enum ExitStatus { kSuccess = 0, kFailure = 1, kUsage = 2 };

// Standard output, written through at once. Once a write fails nothing more
// is written there, and FinishOutput turns the status into a failure.
void PrintOut(std::string_view text);
// status, or kFailure after "quillmarsh-cli: write error: REASON" when a
// write to standard output failed.
int FinishOutput(int status);

// A message about a file on standard error, as compilers write them:
// "PATH: text", or "PATH:LINE: text" when line is above 0.
void PrintFileMessage(std::string_view path, std::string_view text, int line = 0);

// What the desktop program shows in boxes goes to standard error, each
// message beginning with the file it is about.
class FileMessageSink : public MessageSink {
public:
    // The file the messages are about; empty for a trip, whose messages name
    // their files themselves.
    std::string path;
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    void ShowFileError(const Error& error) override;
    void ShowPlaced(const Message& message) override;

private:
    void Print(std::string_view text, int line = 0);
};

// Reports wrong usage with a one-line hint and gives kUsage.
int UsageError(const std::string& problem);

// A command's arguments split into positional ones, "--name value" options
// and "--name" flags; "--" ends the options.
struct Arguments {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options;
    std::vector<std::string> flags;
    std::optional<std::string> Option(std::string_view name) const;
    bool Flag(std::string_view name) const;
};
// Nothing when an option or flag is unknown or given twice, an option lacks
// its value, or --lang is other than ru or en (the problem has been reported).
std::optional<Arguments> ParseArguments(std::span<char*> args, std::span<const std::string_view> optionNames,
                                        std::span<const std::string_view> flagNames = {});

// The language of the messages for the rest of the run: lang when given (from
// --lang), else the settings' LANGUAGE; never the environment's locale.
void UseMessageLanguage(const std::optional<std::string>& lang, const Settings& settings);

// Loads the settings from file; when file is empty and useCurrentDirectory
// is set, from Quillmarsh.ini in the current directory when there is one;
// otherwise the defaults stay. False, with "FILE: reason", when the file
// cannot be read as a regular file or its load stops on an error: a script
// never runs on half-read settings. Sets the messages' language
// (UseMessageLanguage) before it reports anything.
bool LoadCliSettings(const std::string& file, bool useCurrentDirectory, const std::optional<std::string>& lang,
                     Settings& settings, FilesSettings& files);

// False, with "TRACK: is a directory", when a file of the track is a directory.
bool TrackIsNoDirectory(const TrackFiles& track);

// The tracks of a command's positional arguments: each one a track, or with
// --trip NAME all of them one trip named NAME (TrackFilesOf). Nothing for a
// blank NAME or one that cannot name files (TripNameFault; reported).
std::optional<std::vector<TrackFiles>> CommandTracks(const Arguments& parsed);

// The files each track of a batch would write, in the order of the tracks.
using BatchOutputs = std::vector<std::vector<std::string>>;
// False when an output is a file of the batch's tracks (the same file,
// however it is named) or when two tracks would write the same output; each
// clash is reported naming both files.
bool CheckBatch(const std::vector<TrackFiles>& tracks, const BatchOutputs& outputs);

int SettingsCommand(std::span<char*> args);
int VisualiseCommand(std::span<char*> args);
int StatsCommand(std::span<char*> args);

}  // namespace qm::cli
