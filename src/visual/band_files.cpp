#include "visual/band_files.h"

#include "platform/atomic_file_writer.h"
#include "platform/date_time_text.h"
#include "platform/file_system.h"
#include "platform/number_text.h"
#include "platform/path_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <exception>
#include <memory>
#include <system_error>
#include <thread>

namespace qm {
namespace {

// An int32_t takes at most 11 characters.
char* WriteInt(char* out, int32_t value) { return std::to_chars(out, out + 11, value).ptr; }

void WriteLine(AtomicFileWriter& file, std::string_view line)
{
    file.Write(line);
    file.Write(kLineEnd);
}

// Writes the band's file under its temporary name; the caller commits it.
std::unique_ptr<AtomicFileWriter> WriteBandFile(const std::string& outputDir, const std::string& trackPath,
                                                const Track& track, const std::vector<SpeedRun>& runs, int band,
                                                const WorkBand& workBand, int32_t trackWidth)
{
    auto file = std::make_unique<AtomicFileWriter>(OutputPath(outputDir, trackPath, BandFileSuffix(workBand)));
    for (int i = 0; i < 4; ++i) WriteLine(*file, track.Header[i]);
    WriteLine(*file, BandDisplayLine(track.Header[4], workBand, trackWidth));
    WriteLine(*file, IntToText(workBand.StepCount));

    // A point line with the fixed date and time formats is under 100 bytes.
    constexpr size_t kLineRoom = 256;
    for (const SpeedRun& run : runs) {
        if (run.Band != band) continue;
        AppendPointLine(file->BufferWithRoom(kLineRoom), track.Points[run.First], 1);
        for (int32_t p = run.First + 1; p <= run.Last; ++p)
            AppendPointLine(file->BufferWithRoom(kLineRoom), track.Points[p], track.Points[p].BreakCode);
    }
    return file;
}

// The bands with steps in two shares of about the same number of point lines.
std::array<std::vector<int>, 2> ShareBands(const std::vector<SpeedRun>& runs, const WorkBands& bands)
{
    std::array<size_t, kBandCount> lines{};
    for (const SpeedRun& run : runs) lines[run.Band] += static_cast<size_t>(run.Last - run.First) + 1;
    std::vector<int> largestFirst;
    for (int k = 0; k < kBandCount; ++k)
        if (bands[k].StepCount > 0) largestFirst.push_back(k);
    std::stable_sort(largestFirst.begin(), largestFirst.end(), [&](int a, int b) { return lines[a] > lines[b]; });

    std::array<std::vector<int>, 2> shares;
    std::array<size_t, 2> shareLines{};
    for (int k : largestFirst) {
        int share = shareLines[0] <= shareLines[1] ? 0 : 1;
        shares[share].push_back(k);
        shareLines[share] += lines[k];
    }
    return shares;
}

}  // namespace

std::string ReplaceField(std::string_view line, int n, std::string_view value)
{
    size_t start = 0;  // where field `field` begins
    int field = 1;
    for (; field < n; ++field) {
        size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (field < n) return std::string(line) + std::string(n - field, ',') + std::string(value);
    size_t end = line.find(',', start);
    std::string result(line.substr(0, start));
    result += value;
    if (end != std::string_view::npos) result += line.substr(end);
    return result;
}

std::string BandFileSuffix(const WorkBand& band) { return "_" + WholeNumberText(band.Upper) + ".plt"; }

std::string BandDisplayLine(std::string_view line5, const WorkBand& band, int32_t trackWidth)
{
    std::string line = ReplaceField(line5, 3, IntToText(band.Color));
    line = ReplaceField(line, 4, WholeNumberText(band.Lower) + "-" + WholeNumberText(band.Upper) + " km/h");
    return ReplaceField(line, 2, IntToText(trackWidth));
}

void AppendPointLine(std::string& out, const TrackPoint& point, int32_t breakCode)
{
    // Two numbers of 9 characters, two integers of at most 11 and one number
    // of 13, with their commas.
    char text[64];
    char* end = WriteFixedWidthNumber(text, 9, point.Latitude);
    *end++ = ',';
    end = WriteFixedWidthNumber(end, 9, point.Longitude);
    *end++ = ',';
    end = WriteInt(end, breakCode);
    *end++ = ',';
    end = WriteInt(end, point.Altitude);
    *end++ = ',';
    end = WriteFixedWidthNumber(end, 13, point.DateTime);
    *end++ = ',';
    out.append(text, end);
    AppendDateAndTimeText(out, point.DateTime, ",");
    out += kLineEnd;
}

void WriteBandFiles(const std::string& outputDir, const std::string& trackPath, const Track& track,
                    const std::vector<SpeedRun>& runs, const WorkBands& bands, int32_t trackWidth)
{
    // Formatting the points takes most of the time, so two threads write
    // their share of the bands at once. The files are committed in band order
    // afterwards: a failure leaves just the files of the bands before it.
    std::array<std::unique_ptr<AtomicFileWriter>, kBandCount> files;
    std::array<std::exception_ptr, kBandCount> failures;
    // A thread goes on after a failed band: every band then has its file or
    // its failure, and the bands before the first failure can all be committed.
    auto write = [&](const std::vector<int>& share) {
        for (int k : share) {
            try {
                files[k] = WriteBandFile(outputDir, trackPath, track, runs, k, bands[k], trackWidth);
            } catch (...) {
                failures[k] = std::current_exception();
            }
        }
    };
    std::array<std::vector<int>, 2> shares = ShareBands(runs, bands);
    std::thread helper;
    if (!shares[1].empty()) {
        try {
            helper = std::thread(write, std::cref(shares[1]));
        } catch (const std::system_error&) {
            write(shares[1]);
        }
    }
    write(shares[0]);
    if (helper.joinable()) helper.join();

    for (int k = 0; k < kBandCount; ++k) {
        if (failures[k]) std::rethrow_exception(failures[k]);
        if (files[k]) files[k]->Commit();
    }
}

}  // namespace qm
