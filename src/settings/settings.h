#pragma once

#include "platform/language.h"
#include "settings/colour_scale.h"
#include "settings/output_format.h"
#include "settings/profile_choice.h"
#include "settings/recent_tracks.h"
#include "settings/speed_scale.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace qm {

// Every setting of the program, named by its key in the settings file and
// holding its default until the settings file is read over it. The four FILES
// values live with whoever shows them (see FilesSettings).
struct Settings {
    // VISUAL
    double TIMEINTRVL = 2;      // minutes
    int32_t TRACKWIDTH = 5;     // pixels
    int32_t DISPERSION = 50;    // metres
    OutputFormat OUTFORMAT = OutputFormat::Plt;
    int32_t CURRENTSCALE = 0;   // index into Scales
    qm::Scales Scales = DefaultScales();

    // STATISTICS
    double MINSPD = 1;          // km/h
    bool SPLTDIST = true;
    double MAXBREAK = 5;        // km
    bool SPLTTIME = true;
    double MAXSTOP = 60;        // minutes
    double MAXSLOPE = 350;      // m per km
    double HGTSPAN = 500;       // metres
    int32_t GMTMOD = 4;         // hours

    // STATFORMAT
    std::array<bool, 12> SHOWFIELD = {true, true, true, true, true, true, true, true, true, true, false, false};
    std::array<bool, 3> SHOWLEVEL = {true, true, false};
    // One character each, in UTF-8.
    std::string DECDELIM = ",";
    std::string FIELDDELIM = ";";
    std::string HORDELIM = "-";
    int32_t NUMDIGITS = 1;

    // MAP
    // The map tiles' URL with {z}, {x} and {y}; empty for a grid only.
    std::string TILEURL = "https://tile.openstreetmap.org/{z}/{x}/{y}.png";
    // The map window's place and size where it was last seen; a width of 0
    // until then.
    int32_t MAPLEFT = 0;
    int32_t MAPTOP = 0;
    int32_t MAPWIDTH = 0;
    int32_t MAPHEIGHT = 0;
    // The profile's axis and the measure it draws, as the user last chose them.
    ProfileAxisChoice PROFILEAXIS = ProfileAxisChoice::Automatic;
    std::optional<Measure> PROFILEMEASURE;
    // What the map colours the track by where the track has it; speed where not.
    ColourMeasure COLOURBY = ColourMeasure::Speed;

    // The scales to colour a track by a measure other than speed, each in a
    // section of its own (HEIGHT, GRADE, HEARTRATE, CADENCE, POWER,
    // TEMPERATURE).
    qm::ColourScales ColourScales = DefaultColourScales();
    double MAXHR = 190;  // beats/min, HEARTRATE: its bounds are percentages of it
    double FTP = 200;    // W, POWER: its bounds are percentages of it

    // INTERFACE
    Language LANGUAGE = Language::Russian;

    // RECENT: the tracks opened last, as TRACK1 (the newest) to TRACK10.
    RecentTracks RECENT;

    // The working directory at start-up, where the settings file lives.
    std::string StartDir;
    // The settings may differ from the file.
    bool SettingsChanged = false;
    // The start-up load could not read the file in full: the save leaves it alone.
    bool KeepSettingsFile = false;

    const SpdCatSet& CurrentScale() const { return Scales[CURRENTSCALE]; }
};

}  // namespace qm
