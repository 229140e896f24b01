#include "cli.h"

#include "platform/file_system.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <iostream>

namespace qm::cli {

void StderrSink::ShowMessage(const std::string& text) { std::cerr << text << '\n'; }

void StderrSink::ShowError(const std::string& text) { std::cerr << text << '\n'; }

int UsageError(const std::string& problem)
{
    std::cerr << "quillmarsh-cli: " << problem << "\nTry 'quillmarsh-cli --help'.\n";
    return kUsage;
}

std::optional<std::string> Arguments::Option(std::string_view name) const
{
    for (const auto& [key, value] : options)
        if (key == name) return value;
    return std::nullopt;
}

std::optional<Arguments> ParseArguments(std::span<char*> args, std::span<const std::string_view> optionNames)
{
    Arguments parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            parsed.positional.emplace_back(arg);
            continue;
        }
        if (std::find(optionNames.begin(), optionNames.end(), arg) == optionNames.end()) {
            UsageError("unknown option " + std::string(arg));
            return std::nullopt;
        }
        if (i + 1 == args.size()) {
            UsageError("option " + std::string(arg) + " needs a value");
            return std::nullopt;
        }
        parsed.options.emplace_back(std::string(arg), args[++i]);
    }
    return parsed;
}

bool LoadCliSettings(const std::string& file, bool useCurrentDirectory, Settings& settings, FilesSettings& files,
                     MessageSink& sink)
{
    std::string path = file;
    if (path.empty()) {
        if (!useCurrentDirectory) return true;
        path = SettingsFilePath(GetCurrentDir());
        if (!FileExists(path)) return true;
    } else if (!FileExists(path)) {
        sink.ShowError("Settings file \"" + path + "\" not found");
        return false;
    }
    // Like the desktop program, go on with what could be read.
    LoadedSettings loaded = LoadSettings(path, settings);
    files = loaded.PlainFiles();
    if (loaded.Error) sink.ShowError(*loaded.Error);
    return true;
}

}  // namespace qm::cli
