#pragma once

#include "platform/error.h"
#include "platform/message_sink.h"
#include "settings/settings.h"
#include "settings/track_files.h"
#include "formats/trip_reader.h"
#include "track/track.h"
#include "visual/measure_colouring.h"
#include "visual/speed_bands.h"
#include "visual/visualisation.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct VisualiseResult {
    // The track was read and every file written: the caller shows
    // MessageId::TrackProcessed.
    bool Processed = false;
    // The track was read and its runs and stops computed.
    bool Computed = false;
    // The file error that ended the writing.
    std::optional<qm::Error> Error;
    // The track as read and what was computed for it (empty when the track
    // could not be used).
    qm::Track Track;
    qm::Visualisation Visualisation;
    // Coloured by a measure other than speed: its colouring (the
    // visualisation then gives the stops).
    std::optional<MeasureColouring> Colouring;
    // The files the track was read from, with what reading each told of the
    // track it gave (TripWarnings), and the file of each point (empty for
    // one file).
    std::vector<TripFile> Files;
    PointSources PointFiles;
    // The files completed, in the order written; when an error ended the
    // writing, those before it.
    std::vector<std::string> FilesWritten;
};

// The visualisation command: reads the track, computes the runs and stops
// with the bands the boxes show and writes their files into outputDir
// (created, one level, when missing; empty for the current directory).
// A scale under which two bands would write the same file is refused before
// anything is read or written (ScaleClashMessage). Shows through sink what
// the user must read while it works (an interval of 0 or less, a refused
// scale, a directory that cannot be created, the reader's messages and
// errors); the error that ends the writing and the success are in the
// result, for the caller to show after the command. Coloured by a measure
// other than speed (the settings' scale of it, MeasureColourScale), the
// command writes the one GPX or KML file of the measure's bands (OUTFORMAT
// must not be plt) and shows ImplausibleValuesMessage when there is one.
VisualiseResult VisualiseTrack(const TrackFiles& track, const std::string& outputDir, const BandBoxes& boxes,
                               const Settings& settings, MessageSink& sink,
                               ColourMeasure colourBy = ColourMeasure::Speed);

// The visualisation command up to its files, for a view that draws what they
// would hold: the same checks, the same reading and the same computation,
// no directory made and no file written.
VisualiseResult ComputeVisualisation(const TrackFiles& track, const BandBoxes& boxes, const Settings& settings,
                                     MessageSink& sink, ColourMeasure colourBy = ColourMeasure::Speed);

}  // namespace qm
