#include "cli.h"

#include "platform/ini_file.h"
#include "settings/settings_file.h"

#include <array>
#include <iostream>

namespace qm::cli {

// Prints the settings file that a save would write into a new file.
int SettingsCommand(std::span<char*> args)
{
    static constexpr std::array<std::string_view, 1> kOptions = {"--settings"};
    auto parsed = ParseArguments(args, kOptions);
    if (!parsed) return kUsage;
    if (!parsed->positional.empty()) return UsageError("settings takes no track");

    StderrSink sink;
    Settings settings;
    FilesSettings files;
    if (!LoadCliSettings(parsed->Option("--settings").value_or(""), false, settings, files, sink)) return kFailure;

    IniFile ini{std::string(kSettingsFileName)};
    WriteSettings(ini, settings, files);
    std::cout << ini.Text() << std::flush;
    return std::cout ? kSuccess : kFailure;
}

}  // namespace qm::cli
