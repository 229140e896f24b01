#include "bench.h"

#include "formats/track_reader.h"
#include "map/track_lines.h"
#include "map/map_trip.h"
#include "ui/map/map_view.h"
#include "ui/map/profile_chart.h"
#include "ui/map/trip_view.h"

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

class StderrSink : public qm::MessageSink {
public:
    void ShowMessage(const std::string& text) override { std::cerr << text << "\n"; }
    void ShowError(const std::string& text) override { std::cerr << text << "\n"; }
};

void PrintMs(const std::string& what, const qm::bench::Times& times)
{
    std::cout << what << ": " << times.Wall * 1000 << " ms wall, " << times.Cpu * 1000 << " ms processor\n";
}

}  // namespace

// The map window on a long track, without map tiles (their drawing does not
// grow with the track): what opening it costs beyond the visualisation, what
// the decimation of a zoom level costs (once per level, in the first frame
// there), and what a frame costs when the map is panned or zoomed.
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
    const Times visualisation = BestTimes(kRuns, [&] {
        TrackReading reading = LoadTrack(trackPath);
        Visualise(reading.Track->Points, boxes, settings);
    });
    StderrSink sink;
    std::shared_ptr<const MapTrip> trip;
    const Times loaded = BestTimes(kRuns, [&] { trip = LoadMapTrip(trackPath, boxes, settings, sink); });
    if (!trip) {
        std::cerr << trackPath << ": cannot be read\n";
        return 1;
    }
    TripView view;
    view.resize(1100, 760);
    view.show();
    QApplication::processEvents();
    const Times shown = BestTimes(kRuns, [&] {
        view.Show(trip, settings, QString());
        view.grab();
    });
    std::cout << "points: " << trip->Track.Points.size() << ", runs: "
              << trip->Visualisation.Runs.size() << "\n";
    PrintMs("visualisation (read and compute)", visualisation);
    PrintMs("opening beyond it (projection, legend, profile, first frame)",
            {loaded.Wall - visualisation.Wall + shown.Wall, loaded.Cpu - visualisation.Cpu + shown.Cpu});

    // The profile's cursor following the pointer over the map.
    int index = 0;
    const int step = int(trip->Track.Points.size() / 50);
    PrintMs("profile cursor frame", BestTimes(kFrames, [&] {
                view.Profile()->ShowCursor(index += step);
                QApplication::processEvents();
            }));

    MapView& map = *view.Map();
    const QPointF middle(map.width() / 2.0, map.height() / 2.0);
    for (int deeper : {0, 3, 6}) {
        map.FitTrack();
        map.ZoomBy(deeper, middle);
        const std::string level = "zoom " + std::to_string(map.Zoom());
        PrintMs(level + ", decimation (once per level)", BestTimes(kRuns, [&] {
                    RunLines(trip->World, trip->Breaks, trip->Visualisation.Runs, map.Zoom());
                }));
        map.grab();
        PrintMs(level + ", pan frame", BestTimes(kFrames, [&] {
                    Drag(map, middle, middle + QPointF(40, 25));
                    map.grab();
                }));
        const Times zoom = BestTimes(kFrames, [&] {
            map.ZoomBy(1, middle);
            map.grab();
            map.ZoomBy(-1, middle);
            map.grab();
        });
        PrintMs(level + ", zoom frame", {zoom.Wall / 2, zoom.Cpu / 2});
    }
    return 0;
}
