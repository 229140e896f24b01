#pragma once

#include "settings/track_files.h"
#include "formats/trip_reader.h"
#include "map/band_totals.h"
#include "map/trip_colouring.h"
#include "map/web_mercator.h"
#include "platform/message_sink.h"
#include "settings/settings.h"
#include "track/track.h"
#include "visual/speed_bands.h"
#include "visual/visualisation.h"

#include <memory>
#include <string>
#include <vector>

namespace qm {

// What the map shows of a track: the track as read, the runs and stops the
// visualisation computes for it (the same that its files hold), the parts
// and totals the statistics give it and the points on the Web Mercator plane.
struct MapTrip {
    qm::Track Track;
    qm::Visualisation Visualisation;
    ScaleCoefficients Scale;  // fitted to the track, as the visualisation fits it
    std::vector<TrackPart> Parts;
    TripTotals Totals;
    // What the map colours it by: the settings' COLOURBY where the track has
    // it, else speed.
    TripColouring Colouring;
    std::vector<WorldPoint> World;
    std::vector<int32_t> Breaks;  // BreakPoints of the track
    // The files the track was read from, with what reading each told of the
    // track (TripWarnings) in the language of the messages when it was read,
    // and the file of each point (empty for one file).
    std::vector<TripFile> Files;
    PointSources PointFiles;
    // The files left out of what is shown (MapTripWithoutFiles), one flag
    // per file of Files; empty when every file is shown.
    std::vector<bool> HiddenFiles;
};

// How many files of the trip are left out of what is shown.
size_t HiddenFileCount(const MapTrip& trip);

// The trip of a track that holds points and the visualisation computed for
// it under the settings.
std::shared_ptr<MapTrip> MakeMapTrip(Track track, Visualisation visualisation, const Settings& settings);

// The visualisation command's checks, reading and computation without its
// files: the messages go through sink as they come, the error that ends the
// reading last; the trip keeps the reader's warnings. Null when there is no
// track to show.
std::shared_ptr<const MapTrip> LoadMapTrip(const TrackFiles& track, const BandBoxes& boxes,
                                           const Settings& settings, MessageSink& sink);

// The trip as if the hidden files (a flag per file of whole.Files) were not
// in it: the track of the other files' points, each point that follows a
// point left out starting a piece, and its runs, stops, parts and totals
// computed anew under the bands and settings the whole was computed with.
// Files and the file indices stay the whole trip's. Null when no
// point is left.
std::shared_ptr<const MapTrip> MapTripWithoutFiles(const MapTrip& whole, const std::vector<bool>& hidden,
                                                   const BandBoxes& boxes, const Settings& settings);

// The trip coloured by another measure, which the track has, under the
// settings it was computed with.
std::shared_ptr<const MapTrip> MapTripColouredBy(const MapTrip& trip, ColourMeasure measure,
                                                 const Settings& settings);

// Which files' boxes the user may change with these hidden: all but the box
// of the last shown file that has points, for a trip with nothing shown
// cannot be drawn.
std::vector<bool> ChangeableFiles(const MapTrip& whole, const std::vector<bool>& hidden);

}  // namespace qm
