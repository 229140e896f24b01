#include "formats/ozi/plt_writer.h"

#include "formats/ozi/ozi_text.h"
#include "platform/atomic_file_writer.h"
#include "platform/date_time_text.h"
#include "platform/file_system.h"
#include "platform/number_text.h"
#include "platform/path_text.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace qm {
namespace {

// An int32_t takes at most 11 characters.
char* WriteInt(char* out, int32_t value) { return std::to_chars(out, out + 11, value).ptr; }

void WriteLine(AtomicFileWriter& file, std::string_view line)
{
    file.Write(line);
    file.Write(kLineEnd);
}

// The break code of point p: 0 within a piece, 1 or the code read from the
// track file where a piece starts.
int32_t BreakCode(const Track& track, const PltDetails& details, int32_t p)
{
    if (!track.Points[p].StartsPiece) return 0;
    const auto& codes = details.BreakCodes;
    const double time = track.Points[p].DateTime;
    auto at = std::lower_bound(codes.begin(), codes.end(), time, [](const auto& code, double t) { return code.first < t; });
    return at != codes.end() && at->first == time ? at->second : 1;
}

void WriteBandTrack(AtomicFileWriter& file, const Track& track, const PltDetails& details,
                    const std::vector<SpeedRun>& runs, int band)
{
    PointLineWriter lines;
    auto write = [&](const TrackPoint& point, int32_t breakCode) {
        file.Wrote(lines.Write(file.Room(PointLineWriter::kMaxLine), point, breakCode));
    };
    for (const SpeedRun& run : runs) {
        if (run.Band != band) continue;
        write(track.Points[run.First], 1);
        for (int32_t p = run.First + 1; p <= run.Last; ++p) write(track.Points[p], BreakCode(track, details, p));
    }
}

}  // namespace

std::string BandFileSuffix(const SpeedBand& band) { return "_" + FloatToText(band.Upper) + ".plt"; }

std::string BandDisplayLine(std::string_view line5, const SpeedBand& band, int32_t trackWidth)
{
    std::string line = ReplaceField(line5, 3, IntToText(band.Color));
    line = ReplaceField(line, 4, BandRangeText(band));
    return ReplaceField(line, 2, IntToText(trackWidth));
}

char* PointLineWriter::Write(char* out, const TrackPoint& point, int32_t breakCode)
{
    // Two numbers of 9 characters, two integers of at most 11 and one number
    // of 13, with their commas, take at most 64 bytes.
    out = WriteFixedWidthNumber(out, 9, point.Latitude);
    *out++ = ',';
    out = WriteFixedWidthNumber(out, 9, point.Longitude);
    *out++ = ',';
    out = WriteInt(out, breakCode);
    *out++ = ',';
    out = WriteInt(out, FeetOfHeight(point.Height));
    *out++ = ',';
    out = WriteFixedWidthNumber(out, 13, point.DateTime);
    *out++ = ',';
    out = dates_.Write(out, point.DateTime, ',');
    std::memcpy(out, kLineEnd.data(), kLineEnd.size());
    return out + kLineEnd.size();
}

void WriteBandTracks(const std::vector<std::string>& bandFiles, const Track& track, const PltDetails& details,
                     const Visualisation& visualisation, int32_t trackWidth, std::vector<std::string>& written)
{
    for (int k = 0; k < kBandCount; ++k) {
        const SpeedBand& band = visualisation.Bands[k];
        if (band.StepCount <= 0) continue;
        AtomicFileWriter file(bandFiles[k]);
        for (int i = 0; i < 4; ++i) WriteLine(file, HeaderLineText(details.Header[i]));
        WriteLine(file, HeaderLineText(BandDisplayLine(details.Header[4], band, trackWidth)));
        WriteLine(file, IntToText(band.StepCount));
        WriteBandTrack(file, track, details, visualisation.Runs, k);
        file.Commit();
        written.push_back(file.Path());
    }
}

}  // namespace qm
