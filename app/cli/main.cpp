#include "cli.h"

#include "platform/date_time_text.h"
#include "platform/program_start.h"
#include "platform/temporary_files.h"
#include "version.h"

#include <array>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace qm::cli;

struct Command {
    std::string_view name;
    std::string_view help;  // its usage line and what it does
    int (*run)(std::span<char*> args);
};

constexpr std::array<Command, 3> kCommands = {{
    {"settings",
     "settings [--settings FILE] [--lang ru|en]\n"
     "      Print the settings file a save would write for the settings in FILE\n"
     "      (the defaults without it).\n",
     SettingsCommand},
    {"visualise",
     "visualise TRACK... [--trip NAME] [--out DIR]\n"
     "          [--format plt|gpx|kml] [--colour-by MEASURE] [--settings FILE]\n"
     "          [--lang ru|en]\n"
     "      Write the speed band track files and the stop waypoint file of each\n"
     "      track into DIR (the current directory without it; created if missing),\n"
     "      or with gpx or kml one file TRACK_speed.gpx or TRACK_speed.kml (by\n"
     "      default the format OUTFORMAT of the settings). With --colour-by the\n"
     "      GPX or KML file has a track per band of that MEASURE instead, and a\n"
     "      \"no data\" track, named after it (TRACK_heart-rate.gpx): speed (the\n"
     "      default), height, grade, heart-rate, cadence, power or temperature,\n"
     "      with the scales of the settings; the .plt files take speed only. A\n"
     "      track is an OziExplorer .plt, GPX, FIT, TCX, IGC, NMEA, KML or KMZ file.\n"
     "      Settings from FILE, else Quillmarsh.ini in the current directory.\n",
     VisualiseCommand},
    {"stats",
     "stats TRACK... [--trip NAME] [--format txt|csv] [--save DIR]\n"
     "      [--measures] [--settings FILE] [--lang ru|en]\n"
     "      Print the statistics report of each track (txt by default), or save\n"
     "      it into DIR as TRACK_stat.txt or TRACK_stat.csv and print its path.\n"
     "      With --measures print instead the mean and the highest heart rate,\n"
     "      cadence, power and temperature of each track and each of its days,\n"
     "      in the language of the messages; never saved (--measures with\n"
     "      --save or --format is wrong usage).\n"
     "      Settings from FILE, else Quillmarsh.ini in the current directory.\n",
     StatsCommand},
}};

constexpr std::string_view kRules =
    "--lang ru|en chooses the language of the messages (by default LANGUAGE in\n"
    "the settings file, else Russian; the environment's locale never does).\n"
    "What the files hold is the same in both.\n"
    "With --trip NAME the tracks given are the files of one trip, read as one\n"
    "track (their pieces in the order of their times; a time already had is left\n"
    "out) and written once, named after NAME (NAME_5.plt, NAME_stat.txt).\n"
    "\"--\" ends the options. Before anything is written the whole batch is\n"
    "checked: an output that is one of the tracks given, or that two tracks\n"
    "would both write, stops the run with nothing written. Messages on standard\n"
    "error begin with the file they are about.\n"
    "\n"
    "Exit status: 0 on success, 1 when the work could not be done, 2 for wrong\n"
    "usage, 128 + N when ended by signal N (temporary files are removed).\n";

std::string Help()
{
    std::string text = "Usage: quillmarsh-cli COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const Command& command : kCommands) text += "  " + std::string(command.help);
    text += "\nOptions:\n"
            "  --help     Show this text (after a command: that command's help).\n"
            "  --version  Show the version.\n\n";
    return text + std::string(kRules);
}

bool AsksForHelp(std::span<char*> args)
{
    for (std::string_view arg : args) {
        if (arg == "--") return false;
        if (arg == "--help") return true;
    }
    return false;
}

int Run(std::string_view name, std::span<char*> args)
{
    for (const Command& command : kCommands) {
        if (command.name != name) continue;
        if (AsksForHelp(args)) {
            PrintOut("Usage: quillmarsh-cli " + std::string(command.help) + "\n" + std::string(kRules));
            return kSuccess;
        }
        qm::UseLocaleDateTimeFormats();
        return command.run(args);
    }
    if (name == "--help") {
        PrintOut(Help());
        return kSuccess;
    }
    if (name == "--version") {
        PrintOut("quillmarsh-cli " QUILLMARSH_VERSION "\n");
        return kSuccess;
    }
    return UsageError("unknown command " + std::string(name));
}

}  // namespace

int main(int argc, char** argv)
{
    qm::RemoveTemporaryFilesOn(qm::StopRequests::SessionAndInterrupt);
    qm::PrepareStandardStreams();
    std::vector<std::string> arguments = qm::Utf8Arguments(argc, argv);
    std::vector<char*> args;
    for (std::string& argument : arguments) args.push_back(argument.data());
    if (args.size() < 2) return UsageError("no command given");
    // Caught here, the exception unwinds the writers, which remove their
    // unfinished files; uncaught, it would end the program with them in place.
    try {
        return FinishOutput(Run(args[1], std::span<char*>(args).subspan(2)));
    } catch (const std::bad_alloc&) {
        std::cerr << "quillmarsh-cli: out of memory\n";
    } catch (const std::exception& error) {
        std::cerr << "quillmarsh-cli: " << error.what() << '\n';
    }
    return FinishOutput(kFailure);
}
