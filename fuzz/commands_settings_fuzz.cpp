// Both commands on a fixed track under any settings file: whatever a
// hand-edited file holds, they end, and every file they write is whole.
#include "fuzz_support.h"

#include "commands/statistics.h"
#include "commands/visualise.h"
#include "platform/file_system.h"
#include "settings/settings_file.h"
#include "stats/report.h"
#include "stats/report_save.h"

namespace qm::fuzz {
namespace {

// Two days: walking and driving, a stop, a piece after a break, a night's gap.
constexpr std::string_view kTrack =
    "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\nReserved 3\r\n"
    "0,2,255,Fuzz,0,0,2,8421376\r\n0\r\n"
    "55.750000,37.610000,1,500,40000.5000000,,\r\n"
    "55.750500,37.610500,0,510,40000.5006944,,\r\n"
    "55.751000,37.611000,0,530,40000.5013889,,\r\n"
    "55.751010,37.611010,0,530,40000.5027778,,\r\n"
    "55.751020,37.611000,0,531,40000.5069444,,\r\n"
    "55.751030,37.611020,0,531,40000.5138889,,\r\n"
    "55.760000,37.630000,0,600,40000.5145833,,\r\n"
    "55.780000,37.660000,0,620,40000.5152778,,\r\n"
    "55.800000,37.700000,1,-777,40000.5200000,,\r\n"
    "55.810000,37.710000,0,640,40000.5210000,,\r\n"
    "55.811000,37.711000,7,650,40000.5220000,,\r\n"
    "55.812000,37.712000,0,655,40001.3000000,,\r\n"
    "55.813000,37.713000,0,660,40001.3010000,,\r\n"
    "55.900000,37.800000,0,900,40001.3020000,,\r\n"
    "55.900100,37.800100,0,880,40001.3500000,,\r\n";

}  // namespace
}  // namespace qm::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace qm;
    static const std::string track = [] {
        std::string path = fuzz::WorkDir() + "/track.plt";
        fuzz::WriteInput(path, reinterpret_cast<const uint8_t*>(fuzz::kTrack.data()), fuzz::kTrack.size());
        return path;
    }();
    const std::string ini = SettingsFilePath(fuzz::WorkDir());
    fuzz::WriteInput(ini, data, size);
    Settings settings;
    LoadSettings(ini, settings);
    fuzz::NullSink sink;

    const std::string out = fuzz::WorkDir() + "/out";
    VisualiseTrack(track, out, ScaleBandBoxes(settings.CurrentScale()), settings, sink);
    std::optional<StatTable> table = TrackStatistics(track, settings, sink);
    QM_FUZZ_CHECK(table.has_value());
    for (ReportFormat format : {ReportFormat::Txt, ReportFormat::Csv}) {
        Report report = BuildReport(*table, settings, track, out, format);
        for (size_t i = 2; format == ReportFormat::Txt && i < report.Lines.size(); ++i)
            QM_FUZZ_CHECK(fuzz::CharacterCount(report.Lines[i]) == fuzz::CharacterCount(report.Lines[1]));
        if (DirectoryExists(out)) SaveReport(report);
    }
    return 0;
}
