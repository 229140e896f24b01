#pragma once

#include "platform/command_controls.h"
#include "settings/settings.h"
#include "stats/stat_row.h"

#include <string>

namespace qm {

class MessageSink;

// The window that runs the statistics command: its controls, and the
// statistics window it opens for the table just computed. The desktop
// program shows that window; the command-line tool renders the report.
class StatisticsControls : public CommandControls {
public:
    // Once the window is open its closing, not the command, gives the
    // controls back.
    virtual void ShowStatisticsWindow() = 0;
};

// The statistics command: disables the controls, loads the track at
// trackPath, fits the latitude scale, computes the table into `table` and
// opens the statistics window. A track without points ends with the reader's
// message and "Нет данных для расчета."; an Error while loading ends with its
// text through sink.ShowError. On every way out that does not open the window
// the controls are enabled again and `table` keeps what it held. True when
// the window was opened.
bool GetStatExecute(const std::string& trackPath, const Settings& settings, TStatRecArray& table,
                    StatisticsControls& controls, MessageSink& sink);

}  // namespace qm
