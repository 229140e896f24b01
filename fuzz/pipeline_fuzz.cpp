// The whole way of a track file through the program: visualisation into a
// directory, the colouring by every other measure, statistics, and the report
// in both formats, saved. Each input goes through with the default settings,
// once more as GPX, and with extreme settings as KML.
#include "fuzz_support.h"

#include "commands/statistics.h"
#include "commands/visualise.h"
#include "platform/file_system.h"
#include "stats/report.h"
#include "stats/report_save.h"

#include <climits>
#include <dirent.h>
#include <unistd.h>

namespace qm::fuzz {
namespace {

Settings ExtremeSettings()
{
    Settings s;
    s.TIMEINTRVL = 1e-9;
    s.TRACKWIDTH = INT32_MIN;
    s.DISPERSION = INT32_MAX;
    s.MINSPD = 1e300;
    s.MAXBREAK = -1;
    s.MAXSTOP = 1e-300;
    s.MAXSLOPE = -1e300;
    s.HGTSPAN = -5;
    s.GMTMOD = INT32_MAX;
    s.SHOWFIELD.fill(true);
    s.SHOWLEVEL.fill(true);
    s.DECDELIM = "\xff";
    s.FIELDDELIM = std::string(1, '\0');
    s.NUMDIGITS = INT32_MAX;
    s.Scales[0].Categories[9].Upper = 1e300;
    s.OUTFORMAT = OutputFormat::Kml;
    return s;
}

// No temporary file of a writer may stay behind, whatever the outcome.
void ExpectNoTemporaryFiles(const std::string& dir)
{
    DIR* d = ::opendir(dir.c_str());
    if (!d) return;
    while (dirent* entry = ::readdir(d)) QM_FUZZ_CHECK(std::string(entry->d_name).rfind(".~", 0) != 0);
    ::closedir(d);
}

void CheckReport(const Report& report, ReportFormat format)
{
    QM_FUZZ_CHECK(report.Lines.size() >= (format == ReportFormat::Txt ? 3u : 2u));
    if (format != ReportFormat::Txt) return;
    // Every TXT line below the file line is as many characters as the header.
    for (size_t i = 2; i < report.Lines.size(); ++i)
        QM_FUZZ_CHECK(CharacterCount(report.Lines[i]) == CharacterCount(report.Lines[1]));
}

// The runs follow the track, their steps are those the bands and no data
// count, and no band is outside the scale.
void CheckColouring(const MeasureColouring& colouring)
{
    QM_FUZZ_CHECK(colouring.Implausible <= colouring.Values);
    int64_t steps = 0, counted = colouring.NoDataSteps;
    for (const MeasureBand& band : colouring.Bands) counted += band.StepCount;
    for (size_t k = 0; k < colouring.Runs.size(); ++k) {
        const MeasureRun& run = colouring.Runs[k];
        QM_FUZZ_CHECK(run.First < run.Last && (k == 0 || colouring.Runs[k - 1].Last <= run.First));
        QM_FUZZ_CHECK(run.Band >= kNoDataBand && run.Band < static_cast<int32_t>(colouring.Bands.size()));
        steps += run.Last - run.First;
    }
    QM_FUZZ_CHECK(steps == counted);
}

void RunPipeline(const std::string& track, const std::string& out, const Settings& settings)
{
    NullSink sink;
    const BandBoxes boxes = ScaleBandBoxes(settings.CurrentScale());
    // The stop file comes last; GPX and KML are one file.
    const std::string last = out + (settings.OUTFORMAT == OutputFormat::Gpx   ? "/track_speed.gpx"
                                    : settings.OUTFORMAT == OutputFormat::Kml ? "/track_speed.kml"
                                                                              : "/track_stop.wpt");
    ::unlink(last.c_str());
    VisualiseResult visualised = VisualiseTrack(track, out, boxes, settings, sink);
    QM_FUZZ_CHECK(!(visualised.Processed && visualised.Error));
    if (visualised.Processed) QM_FUZZ_CHECK(visualised.FilesWritten.back() == last);
    for (const std::string& written : visualised.FilesWritten) QM_FUZZ_CHECK(FileExists(written));
    ExpectNoTemporaryFiles(out);
    if (visualised.Computed)
        for (size_t m = 1; m < kColourMeasureCount; ++m) {
            const auto measure = static_cast<ColourMeasure>(m);
            CheckColouring(ColourTrack(visualised.Track, measure, MeasureColourScale(measure, settings), settings));
        }

    std::optional<StatTable> table = TrackStatistics(track, settings, sink);
    if (!table) return;
    QM_FUZZ_CHECK(!table->empty());
    for (ReportFormat format : {ReportFormat::Txt, ReportFormat::Csv}) {
        Report report = BuildReport(*table, settings, track, out, format);
        CheckReport(report, format);
        QM_FUZZ_CHECK(report.FileName != track);
        SaveReport(report);
    }
    ExpectNoTemporaryFiles(out);
}

}  // namespace
}  // namespace qm::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace qm;
    static const Settings extreme = fuzz::ExtremeSettings();
    static const Settings gpx = [] {
        Settings s;
        s.OUTFORMAT = OutputFormat::Gpx;
        return s;
    }();
    const std::string track = fuzz::WorkDir() + "/track.plt";
    fuzz::WriteInput(track, data, size);
    fuzz::RunPipeline(track, fuzz::WorkDir() + "/out", Settings());
    fuzz::RunPipeline(track, fuzz::WorkDir() + "/out", gpx);
    fuzz::RunPipeline(track, fuzz::WorkDir() + "/extreme", extreme);
    return 0;
}
