#pragma once

#include "platform/command_controls.h"
#include "platform/message_sink.h"
#include "settings/settings.h"
#include "visual/work_bands.h"

#include <string>
#include <string_view>

namespace qm {

inline constexpr std::string_view kTrackProcessed = "трек обработан";

// The visualisation command: reads the track, writes one track file per speed
// band that received a run and the stop waypoint file into outputDir
// (created, one level, when missing; empty for the current directory), then
// shows kTrackProcessed. A scale under which two bands would write the same
// file is refused before anything is read or written (ScaleClashMessage). The controls are disabled while it runs and enabled
// again on every way out. Every problem is shown through sink; the result is
// true when the track was processed.
bool ProcFilesExecute(const std::string& trackPath, const std::string& outputDir, const BandBoxes& boxes,
                      const Settings& settings, CommandControls& controls, MessageSink& sink);

}  // namespace qm
