#include "cli.h"

#include "platform/date_time_text.h"

#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view kHelp =
    "Usage: quillmarsh-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  settings [--settings FILE]\n"
    "      Print the settings file a save would write for the settings in FILE\n"
    "      (the defaults without it).\n"
    "  visualise TRACK... [--out DIR] [--format plt|gpx|kml] [--settings FILE]\n"
    "      Write the speed band track files and the stop waypoint file of each\n"
    "      track into DIR (the current directory without it; created if missing),\n"
    "      or with gpx or kml one file TRACK_speed.gpx or TRACK_speed.kml (the\n"
    "      format by default: OUTFORMAT of the settings). A track is an\n"
    "      OziExplorer .plt or a GPX file.\n"
    "      Settings from FILE, else Quillmarsh.ini in the current directory.\n"
    "  stats TRACK... [--format txt|csv] [--save DIR] [--settings FILE]\n"
    "      Print the statistics report of each track (txt by default), or save\n"
    "      it into DIR as TRACK_stat.txt or TRACK_stat.csv and print its path.\n"
    "      Settings from FILE, else Quillmarsh.ini in the current directory.\n"
    "\n"
    "Options:\n"
    "  --help     Show this text.\n"
    "  --version  Show the version.\n"
    "\n"
    "Exit status: 0 on success, 1 when the work could not be done, 2 for wrong usage.\n";

}  // namespace

int main(int argc, char** argv)
{
    using namespace qm::cli;
    if (argc < 2) return UsageError("no command given");
    std::string_view command = argv[1];
    std::span<char*> args(argv + 2, static_cast<size_t>(argc - 2));

    if (command == "--help") {
        std::cout << kHelp;
        return kSuccess;
    }
    if (command == "--version") {
        std::cout << "quillmarsh-cli " QUILLMARSH_VERSION "\n";
        return kSuccess;
    }
    qm::UseLocaleDateTimeFormats();
    if (command == "settings") return SettingsCommand(args);
    if (command == "visualise") return VisualiseCommand(args);
    if (command == "stats") return StatsCommand(args);
    return UsageError("unknown command " + std::string(command));
}
