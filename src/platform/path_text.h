#pragma once

#include <string>
#include <string_view>

namespace qm {

// The separator paths are written with. Windows takes "/" as well as "\\"
// and a drive letter ("C:name") ends a folder part too.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

bool IsPathSeparator(char c);
bool EndsWithPathSeparator(std::string_view path);
// Directory, kPathSeparator unless it is empty or already ends with a
// separator, then name: no directory means the current one, not the root.
std::string JoinPath(std::string_view directory, std::string_view name);

// The text up to and including the last separator; empty without one.
std::string PathDirPart(std::string_view path);
// The text after the last separator (the whole path without one), at most
// 1000 characters.
std::string PathNamePart(std::string_view path);
// The track's name part with its extension replaced by kPathSeparator, as OutputName
// replaces it, except that a name ending in ".plt" in another case than this
// one keeps it: 2010-05-01.plt gives "2010-05-01/", a.plt.plt "a/.plt",
// ride.fit "ride/", x.plt.gpx "x.plt/"; WALK.PLT and a name without an
// extension stay as they are.
std::string SubFolderName(std::string_view trackPath);

// The name of an output file made from a track path: in the track's name part
// the extension (from the last ".", not the first character) is replaced by
// suffix, and without one suffix is appended. A name ending in ".plt" in any
// case has its first ".plt" in exactly this case replaced instead; without
// one, its first ".plt" in any case. So TRACK.PLT with "_stop.wpt" gives
// TRACK_stop.wpt, walk.gpx with "_5.plt" walk_5.plt, x.plt.gpx with
// "_speed.gpx" x.plt_speed.gpx, and no output name can equal the track's own.
std::string OutputName(std::string_view trackPath, std::string_view suffix);
// The track path with suffix before the extension OutputName replaces (at
// the end without one): day1.plt with "_trip" gives day1_trip.plt, so that
// the outputs named after it are those of the track with the suffix.
std::string WithNameSuffix(std::string_view trackPath, std::string_view suffix);
// JoinPath of directory and OutputName.
std::string OutputPath(std::string_view directory, std::string_view trackPath, std::string_view suffix);

}  // namespace qm
