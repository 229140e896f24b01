#include "bench.h"

#include "platform/command_controls.h"
#include "settings/settings.h"
#include "visual/proc_files.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace {

class ErrorsToStderr : public qm::MessageSink {
public:
    void ShowMessage(const std::string&) override {}
    void ShowError(const std::string& text) override { std::cerr << text << '\n'; }
};

class NoControls : public qm::CommandControls {
public:
    void ControlsEnabled(bool) override {}
};

}  // namespace

// The whole visualisation command in process: read, segment, write the band
// files and the stop file into a fresh directory beside the track.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    std::string outputDir = trackPath + ".visualise";
    std::filesystem::remove_all(outputDir);
    Settings settings;
    ErrorsToStderr sink;
    NoControls controls;
    BandBoxes boxes = ScaleBandBoxes(settings.CurrentScale());
    bool processed = true;
    double seconds = BestSeconds(5, [&] {
        processed = ProcFilesExecute(trackPath, outputDir, boxes, settings, controls, sink) && processed;
    });
    std::filesystem::remove_all(outputDir);
    std::cout << "visualise: " << seconds << " s" << (processed ? "" : " (FAILED)") << '\n';
    return processed ? 0 : 1;
}
