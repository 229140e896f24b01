#include "bench.h"

#include "formats/ozi/plt_reader.h"
#include "ui/map_trip.h"
#include "ui/map_view.h"
#include "ui/trip_view.h"

#include <QApplication>
#include <QMouseEvent>

#include <iostream>

namespace {

constexpr int kRuns = 5;
constexpr int kFrames = 20;

void Drag(QWidget& view, QPointF from, QPointF to)
{
    QMouseEvent press(QEvent::MouseButtonPress, from, from, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, to, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, to, to, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &press);
    QApplication::sendEvent(&view, &move);
    QApplication::sendEvent(&view, &release);
}

void PrintMs(const std::string& what, double seconds) { std::cout << what << ": " << seconds * 1000 << " ms\n"; }

}  // namespace

// The map window on a long track: what opening it costs beyond the
// visualisation, and what a frame costs when the map is panned or zoomed,
// without map tiles (their drawing does not grow with the track).
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "bench_map";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);

    Settings settings;
    settings.TILEURL.clear();
    const BandBoxes boxes = ScaleBandBoxes(settings.CurrentScale());
    const double visualisation = BestSeconds(kRuns, [&] {
        TrackReading reading = LoadTrack(trackPath);
        Visualise(reading.Track->Points, boxes, settings);
    });
    MapTripReading reading;
    const double loaded = BestSeconds(kRuns, [&] { reading = LoadMapTrip(trackPath, boxes, settings); });
    if (!reading.Trip) {
        std::cerr << trackPath << ": cannot be read\n";
        return 1;
    }
    TripView view;
    view.resize(1100, 760);
    view.show();
    QApplication::processEvents();
    const double shown = BestSeconds(kRuns, [&] {
        view.Show(reading.Trip, settings, QString());
        view.grab();
    });
    std::cout << "points: " << reading.Trip->Track.Points.size() << ", runs: "
              << reading.Trip->Visualisation.Runs.size() << "\n";
    PrintMs("visualisation (read and compute)", visualisation);
    PrintMs("opening beyond it (projection, legend, profile, first frame)", loaded - visualisation + shown);

    MapView& map = *view.Map();
    const QPointF middle(map.width() / 2.0, map.height() / 2.0);
    for (int deeper : {0, 3, 6}) {
        map.FitTrack();
        map.ZoomBy(deeper, middle);
        const double first = BestSeconds(1, [&] { map.grab(); });
        const double pan = BestSeconds(kFrames, [&] {
            Drag(map, middle, middle + QPointF(40, 25));
            map.grab();
        });
        const double zoom = BestSeconds(kFrames, [&] {
            map.ZoomBy(1, middle);
            map.grab();
            map.ZoomBy(-1, middle);
            map.grab();
        }) / 2;
        const std::string level = "zoom " + std::to_string(map.Zoom());
        PrintMs(level + ", first frame at the level", first);
        PrintMs(level + ", pan frame", pan);
        PrintMs(level + ", zoom frame", zoom);
    }
    return 0;
}
