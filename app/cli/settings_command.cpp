#include "cli.h"

#include "platform/ini_file.h"
#include "settings/settings_file.h"

#include <array>

namespace qm::cli {

// Prints the settings file that a save would write into a new file.
int SettingsCommand(std::span<char*> args)
{
    static constexpr std::array<std::string_view, 2> kOptions = {"--settings", "--lang"};
    auto parsed = ParseArguments(args, kOptions);
    if (!parsed) return kUsage;
    if (!parsed->positional.empty()) return UsageError("settings takes no track");

    Settings settings;
    FilesSettings files;
    if (!LoadCliSettings(parsed->Option("--settings").value_or(""), false, parsed->Option("--lang"), settings, files))
        return kFailure;

    IniFile ini{std::string(kSettingsFileName)};
    WriteSettings(ini, settings, files);
    PrintOut(ini.Text());
    return kSuccess;
}

}  // namespace qm::cli
