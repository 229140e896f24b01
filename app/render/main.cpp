// quillmarsh-render: the map window's picture of a track (map, legend and
// profile) saved as a PNG file, without a display.
#include "cli.h"
#include "ui/map/map_trip.h"
#include "ui/offscreen_notes.h"
#include "ui/qt_text.h"
#include "ui/map/tile_source.h"
#include "ui/map/trip_view.h"
#include "version.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr const char* kHelp =
    "Usage: quillmarsh-render TRACK OUT.png [--size WxH] [--settings FILE]\n"
    "Draws a track (OziExplorer .plt, GPX or FIT) as the map window of quillmarsh shows it,\n"
    "coloured by the speed bands of the current scale, with its stops, the legend of the bands and\n"
    "the speed and height profile, into a PNG file.\n"
    "\n"
    "  --size WxH       the picture's size in pixels (default 1200x800)\n"
    "  --settings FILE  the settings, else Quillmarsh.ini in the current directory when there is\n"
    "                   one, else the defaults; TILEURL in [MAP] names the map tile server (empty:\n"
    "                   a latitude/longitude grid)\n"
    "  --help           show this help\n"
    "  --version        show the version\n"
    "\n"
    "Map tiles are fetched as the map window fetches them and kept in the same cache; the\n"
    "picture is saved once they have come, or after 30 seconds without them.\n"
    "Exit status: 0 when the picture was saved, 1 when the track, the settings or the picture\n"
    "could not be used, 2 for wrong usage.\n";

constexpr int kTileWaitMs = 30000;

int Usage(const std::string& problem)
{
    std::fprintf(stderr, "quillmarsh-render: %s\nTry 'quillmarsh-render --help'.\n", problem.c_str());
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

}  // namespace

int main(int argc, char** argv)
{
    std::string track, output, settingsFile;
    QSize size(1200, 800);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("quillmarsh-render %s\n", QUILLMARSH_VERSION);
            return 0;
        }
        if (arg == "--size" || arg == "--settings") {
            if (i + 1 == argc) return Usage("option " + arg + " needs a value");
            const char* value = argv[++i];
            if (arg == "--settings") {
                settingsFile = value;
            } else if (auto parsed = ParseSize(value)) {
                size = *parsed;
            } else {
                return Usage("--size wants WxH, each from 200 to 10000, not " + std::string(value));
            }
        } else if (arg.rfind("--", 0) == 0) {
            return Usage("unknown option " + arg);
        } else if (track.empty()) {
            track = arg;
        } else if (output.empty()) {
            output = arg;
        } else {
            return Usage("one track and one picture, not " + arg);
        }
    }
    if (output.empty()) return Usage("a track and the picture to write are needed");

    // Settings and messages as quillmarsh-cli takes and writes them.
    qm::Settings settings;
    qm::FilesSettings files;
    if (!qm::cli::LoadCliSettings(settingsFile, true, settings, files) || !qm::cli::TrackIsNoDirectory(track))
        return 1;

    const qm::MapTripReading reading =
        qm::LoadMapTrip(track, qm::ScaleBandBoxes(settings.CurrentScale()), settings);
    qm::cli::FileMessageSink sink;
    sink.path = track;
    for (const qm::Message& message : reading.Messages) sink.Show(message);
    if (!reading.Trip) return 1;

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qm::DropOffscreenPlatformNotes();
    QApplication app(argc, argv);

    qm::TripView view;
    view.resize(size);
    view.Show(reading.Trip, settings, qm::TileSource::DefaultCacheDirectory());
    view.show();
    QApplication::processEvents();
    // The first painting asks for the tiles; wait for them to come.
    view.grab();
    QElapsedTimer waited;
    waited.start();
    while (view.Tiles() && !view.Tiles()->Idle() && waited.elapsed() < kTileWaitMs)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    if (!view.grab().save(qm::ToQt(output), "PNG")) {
        qm::cli::PrintFileMessage(output, "cannot write the picture");
        return 1;
    }
    return 0;
}
