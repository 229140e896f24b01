#pragma once

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

// Messages the desktop program shows in boxes go to standard error, one line each.
class StderrSink : public MessageSink {
public:
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
};

// Reports wrong usage with a one-line hint and gives kUsage.
int UsageError(const std::string& problem);

// Splits a command's arguments into positional ones and "--name value" options.
struct Arguments {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options;
    std::optional<std::string> Option(std::string_view name) const;
};
// Nothing when an option is unknown or lacks its value (the problem has been reported).
std::optional<Arguments> ParseArguments(std::span<char*> args, std::span<const std::string_view> optionNames);

// Loads the settings from file; when file is empty, from Quillmarsh.ini in
// the current directory when there is one, else the defaults stay. False when
// an explicitly named file does not exist.
bool LoadCliSettings(const std::string& file, bool useCurrentDirectory, Settings& settings, FilesSettings& files,
                     MessageSink& sink);

int SettingsCommand(std::span<char*> args);
int VisualiseCommand(std::span<char*> args);
int StatsCommand(std::span<char*> args);

}  // namespace qm::cli
