// quillmarsh-render: the map window's picture of a track (map, legend and
// profile) saved as a PNG file, without a display.
#include "cli.h"
#include "settings/track_files.h"
#include "map/picture_format.h"
#include "map/profile.h"
#include "platform/atomic_file_writer.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/locale_formats.h"
#include "platform/path_text.h"
#include "platform/program_start.h"
#include "platform/quiet_standard_error.h"
#include "platform/quoted_input.h"
#include "platform/temporary_files.h"
#include "settings/profile_choice.h"
#include "settings/settings_file.h"
#include "platform/message_text.h"
#include "ui/interface_language.h"
#include "map/map_trip.h"
#include "ui/map/profile_chart.h"
#include "ui/map/tile_source.h"
#include "ui/map/trip_view.h"
#include "version.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLayout>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr const char* kHelp =
    "Usage: quillmarsh-render TRACK... OUT.png|OUT.jpg [--size WxH] [--settings FILE] [--lang ru|en]\n"
    "                         [--measure NAME] [--colour-by MEASURE]\n"
    "Draws a GPS track (OziExplorer .plt, GPX, FIT, TCX, IGC, NMEA, KML or KMZ) as the map window\n"
    "of quillmarsh shows it: the track on a map (or a latitude/longitude grid) coloured by the speed\n"
    "bands of the current scale, with its start, finish and stops; the legend of the bands with their\n"
    "distance and time (the whole as the statistics give it); and the speed and height profile. The\n"
    "picture is written as its name asks: PNG for .png (or no extension), JPEG for .jpg or .jpeg.\n"
    "Several tracks are the files of one trip, drawn as one track (their pieces in the order of\n"
    "their times; a time already had is left out), as quillmarsh-cli reads them; the profile marks\n"
    "with a dashed line and the file's name where the trip goes on in another file.\n"
    "\n"
    "  --size WxH       the picture's size in pixels (default 1200x800)\n"
    "  --settings FILE  the settings, else Quillmarsh.ini in the current directory when there is\n"
    "                   one, else the defaults; TILEURL in [MAP] names the map tile server (empty:\n"
    "                   a latitude/longitude grid)\n"
    "  --lang ru|en     the language of the picture's texts and of the messages (default:\n"
    "                   LANGUAGE in the settings file, else Russian; never the environment's locale)\n"
    "  --measure NAME   a measure of the track drawn in the profile too: heart-rate, cadence, power\n"
    "                   or temperature (a track without it is drawn without it, and said so);\n"
    "                   without it, PROFILEMEASURE in [MAP] where the track has that measure\n"
    "  --colour-by MEASURE  what the track, the legend and the profile's bars are coloured by:\n"
    "                   speed, height, grade, heart-rate, cadence, power or temperature, with its\n"
    "                   scale in the settings (a track without it is coloured by speed, and said\n"
    "                   so); without it, COLOURBY in [MAP], else speed\n"
    "  --help           show this help\n"
    "  --version        show the version\n"
    "\n"
    "Map tiles are fetched as the map window fetches them and kept in the same cache; the\n"
    "picture is saved once each has come or failed, or after 30 seconds; where a tile is\n"
    "missing the map shows the grid.\n"
    "The picture never replaces a track file or the settings file.\n"
    "Exit status: 0 when the picture was saved, 1 when the track, the settings or the picture\n"
    "could not be used, 2 for wrong usage.\n";

constexpr int kTileWaitMs = 30000;

int Usage(const std::string& problem)
{
    std::fprintf(stderr, "quillmarsh-render: %s\nTry 'quillmarsh-render --help'.\n", qm::EscapedText(problem).c_str());
    return 2;
}

// WxH, each a whole number from 200 to 10000 and nothing around them.
std::optional<QSize> ParseSize(std::string_view text)
{
    const auto side = [](const char*& at, const char* end) -> std::optional<int> {
        int value = 0;
        const auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc() || next == at || value < 200 || value > 10000) return std::nullopt;
        at = next;
        return value;
    };
    const char* at = text.data();
    const char* end = at + text.size();
    const std::optional<int> width = side(at, end);
    if (!width || at == end || *at++ != 'x') return std::nullopt;
    const std::optional<int> height = side(at, end);
    if (!height || at != end) return std::nullopt;
    return QSize(*width, *height);
}

// Standard error carries only the program's own messages: what Qt and the
// image libraries say (platform notes, decoder complaints about a bad tile)
// is no business of the user's. Qt's messages go to a handler that drops
// them; libpng writes its errors straight to standard error, which goes
// nowhere while the picture is drawn.
void DropQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

// The picture as the bytes of a file of that format, once the map's tiles
// have come or kTileWaitMs has passed; empty when this Qt cannot write the format.
QByteArray Picture(int argc, char** argv, const std::shared_ptr<const qm::MapTrip>& trip, const qm::Settings& settings,
                   QSize size, std::optional<qm::Measure> measure, qm::PictureFormat format)
{
#ifndef _WIN32
    // Windows' own platform draws without showing a window; its offscreen one has no fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    qInstallMessageHandler(DropQtMessages);
    const qm::QuietStandardError quiet;
    QApplication app(argc, argv);
    qm::UseCNumberFormat();
    // The legend, the profile and the notes in the language of the messages.
    qm::InstallInterfaceLanguage(qm::MessageLanguage());
    qm::TripView view;
    // The picture has the size asked for, even below what the legend and
    // the profile would like.
    view.layout()->setSizeConstraint(QLayout::SetNoConstraint);
    view.resize(size);
    view.Show(trip, settings, qm::TileSource::DefaultCacheDirectory());
    if (measure) view.Profile()->ShowMeasure(measure);
    // Shown, the map asks for its tiles.
    view.show();
    QElapsedTimer waited;
    waited.start();
    while (view.Tiles() && !view.Tiles()->Settled() && waited.elapsed() < kTileWaitMs)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    return qm::EncodePicture(view.grab(), format);
}

// False, with a message naming the input and the picture,
// when the picture would be written over the track or the settings file.
bool OutputReplacesNoInput(const std::string& output, const qm::TrackFiles& track, const std::string& settingsFile)
{
    std::vector<std::pair<std::string, qm::MessageId>> inputs;
    for (const std::string& path : track.Paths) inputs.emplace_back(path, qm::MessageId::TrackUnderPicture);
    inputs.emplace_back(settingsFile.empty() ? std::string(qm::kSettingsFileName) : settingsFile,
                        qm::MessageId::SettingsUnderPicture);
    for (const auto& [input, what] : inputs) {
        if (qm::SameFile(output, input)) {
            qm::cli::PrintFileMessage(input, qm::MessageText(what, {output}));
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    qm::RemoveTemporaryFilesOn(qm::StopRequests::SessionAndInterrupt);
    qm::PrepareStandardStreams();
    const std::vector<std::string> args = qm::Utf8Arguments(argc, argv);
    std::vector<std::string> positional;
    std::string settingsFile;
    std::optional<std::string> lang;
    std::optional<qm::Measure> measure;
    std::optional<qm::ColourMeasure> colourBy;
    QSize size(1200, 800);
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("quillmarsh-render %s\n", QUILLMARSH_VERSION);
            return 0;
        }
        if (arg == "--size" || arg == "--settings" || arg == "--lang" || arg == "--measure" ||
            arg == "--colour-by") {
            if (i + 1 == args.size()) return Usage("option " + arg + " needs a value");
            const std::string& value = args[++i];
            if (arg == "--settings") {
                settingsFile = value;
            } else if (arg == "--lang") {
                if (!qm::ParseLanguage(value)) return Usage("--lang takes ru or en");
                lang = value;
            } else if (arg == "--measure") {
                measure = qm::ParseMeasureName(value);
                if (!measure) return Usage("--measure takes heart-rate, cadence, power or temperature");
            } else if (arg == "--colour-by") {
                colourBy = qm::ParseColourMeasure(value);
                if (!colourBy)
                    return Usage("--colour-by takes speed, height, grade, heart-rate, cadence, power or temperature");
            } else if (auto parsed = ParseSize(value)) {
                size = *parsed;
            } else {
                return Usage("--size wants WxH, each from 200 to 10000, not " + value);
            }
        } else if (arg.rfind("--", 0) == 0) {
            return Usage("unknown option " + arg);
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() < 2) return Usage("a track and the picture to write are needed");
    // The picture last, the track or the trip's files before it.
    const std::string output = positional.back();
    positional.pop_back();
    const qm::TrackFiles track = qm::TrackFilesOf(std::move(positional));
    if (!OutputReplacesNoInput(output, track, settingsFile)) return 1;

    // Settings and messages as quillmarsh-cli takes and writes them.
    qm::Settings settings;
    qm::FilesSettings files;
    if (!qm::cli::LoadCliSettings(settingsFile, true, lang, settings, files) || !qm::cli::TrackIsNoDirectory(track))
        return 1;
    if (colourBy) settings.COLOURBY = *colourBy;

    const std::optional<qm::PictureFormat> format = qm::PictureFormatOf(output);
    if (!format) {
        qm::cli::PrintFileMessage(output, qm::MessageText(qm::MessageId::PictureNameUnknown));
        return 1;
    }

    qm::cli::FileMessageSink sink;
    // A trip's messages name their files themselves.
    sink.path = track.Paths.size() == 1 ? track.Name : "";
    const std::shared_ptr<const qm::MapTrip> shown =
        qm::LoadMapTrip(track, qm::ScaleBandBoxes(settings.CurrentScale()), settings, sink);
    if (!shown) return 1;
    const std::vector<qm::Measure> measured = qm::MeasuresOf(shown->Track);
    if (measure && std::find(measured.begin(), measured.end(), *measure) == measured.end())
        qm::cli::PrintFileMessage(
            track.Name, qm::MessageText(qm::MessageId::MeasureMissing, {qm::MeasureName(*measure)}));
    if (shown->Colouring.Measure != settings.COLOURBY)
        qm::cli::PrintFileMessage(track.Name, qm::MessageText(qm::MessageId::ColourMeasureMissing,
                                                              {qm::ColourMeasureName(settings.COLOURBY)}));
    if (shown->Colouring.Warning) qm::cli::PrintFileMessage(track.Name, *shown->Colouring.Warning);

    const QByteArray picture = Picture(argc, argv, shown, settings, size, measure, *format);
    if (picture.isEmpty()) {
        qm::cli::PrintFileMessage(output, qm::MessageText(qm::MessageId::JpegUnavailable));
        return 1;
    }
    try {
        qm::WriteFileAtomically(output, std::string_view(picture.constData(), size_t(picture.size())));
    } catch (const qm::Error& error) {
        qm::cli::PrintFileMessage(output, error.what());
        return 1;
    }
    return 0;
}
