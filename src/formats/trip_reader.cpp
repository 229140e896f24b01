#include "formats/trip_reader.h"

#include "platform/file_descriptor.h"
#include "platform/file_system.h"
#include "platform/large_pages.h"
#include "platform/message_text.h"
#include "platform/number_text.h"
#include "platform/path_text.h"

#include <algorithm>

namespace qm {
namespace {

std::string CountText(size_t count) { return IntToText(static_cast<int64_t>(count)); }

// The file's messages, each saying which file of the trip it is about: one
// of a line is placed in the file, any other begins with its name.
std::vector<Message> NamedMessages(std::vector<Message> messages, const std::string& path)
{
    for (Message& message : messages) {
        if (!message.File.empty()) continue;
        if (message.Line > 0)
            message.File = path;
        else
            message.Text = MessageText(MessageId::InTripFile, {path, message.Text});
    }
    return messages;
}

// Room for `needed` values, grown as a vector grows, in large pages where
// the system has them: a trip of many files fills its memory once, its
// files' memory being reused file after file, rather than page by page.
template <typename Values>
void MakeRoom(Values& values, size_t needed)
{
    if (needed <= values.capacity()) return;
    Values grown;
    grown.reserve(std::max(needed, 2 * values.capacity()));
    AdviseLargePages(grown.data(), grown.capacity() * sizeof(typename Values::value_type));
    grown.assign(values.begin(), values.end());
    values = std::move(grown);
}

// The points a trip's files likely hold together: the size of each at the
// bytes per point of the first, which was read; 0 when it cannot be told.
size_t ExpectedTripPoints(const std::vector<std::string>& paths, const TrackReading& first)
{
    if (!first.File || first.File->Size == 0) return 0;
    uint64_t bytes = 0;
    for (const std::string& path : paths) {
        const FileDescriptor fd(OpenRegularFile(path));
        const std::optional<FileVersion> version = fd.IsOpen() ? OpenFileVersion(fd.get()) : std::nullopt;
        bytes += version ? version->Size : 0;
    }
    const double points = double(first.Track->Points.size()) * double(bytes) / double(first.File->Size);
    return size_t(std::min(points * 1.02, double(kMostTrackPoints)));
}

// Appends a file's track to the trip's, its first point starting a piece;
// the trip's memory is made for `expected` points at least.
void Append(Track& trip, PointSources& sources, Track&& file, uint32_t source, size_t expected)
{
    const size_t before = trip.Points.size();
    const size_t added = file.Points.size();
    const size_t room = std::max(expected, before + added);
    file.Points.front().StartsPiece = true;
    MakeRoom(trip.Points, room);
    trip.Points.insert(trip.Points.end(), file.Points.begin(), file.Points.end());
    for (size_t k = 0; k < kMeasureCount; ++k) {
        MeasureColumn& column = trip.Measures[k];
        const MeasureColumn& added_column = file.Measures[k];
        if (column.empty() && added_column.empty()) continue;
        MakeRoom(column, room);
        column.resize(before);
        if (added_column.empty())
            column.resize(before + added);
        else
            column.insert(column.end(), added_column.begin(), added_column.end());
    }
    MakeRoom(sources, room);
    sources.insert(sources.end(), added, source);
}

// The break codes of both, in time order.
void MergePlt(std::optional<PltDetails>& trip, std::optional<PltDetails>&& file)
{
    if (!file) return;
    if (!trip) {
        trip = std::move(file);
        return;
    }
    auto& codes = trip->BreakCodes;
    const size_t middle = codes.size();
    codes.insert(codes.end(), file->BreakCodes.begin(), file->BreakCodes.end());
    std::inplace_merge(codes.begin(), codes.begin() + static_cast<std::ptrdiff_t>(middle), codes.end());
}

}  // namespace

std::vector<Message> TripWarnings(const std::vector<TripFile>& files)
{
    std::vector<Message> warnings;
    for (const TripFile& file : files) warnings.insert(warnings.end(), file.Warnings.begin(), file.Warnings.end());
    return warnings;
}

TripReading LoadTrip(const std::vector<std::string>& paths)
{
    TripReading trip;
    const bool several = paths.size() > 1;
    Track track;
    size_t total = 0, expected = 0;
    for (const std::string& path : paths) {
        TrackReading reading = LoadTrack(path);
        if (!reading.Track) {
            trip.Refusal = several ? NamedMessages(std::move(reading.Messages), path) : std::move(reading.Messages);
            if (several) trip.Refusal.push_back({false, MessageText(MessageId::TripFileUnread, {path})});
            return trip;
        }
        total += reading.Track->Points.size();
        if (total > kMostTrackPoints) {
            trip.Refusal.push_back({false, MessageText(MessageId::TripTooManyPoints, {CountText(kMostTrackPoints)})});
            return trip;
        }
        const auto source = static_cast<uint32_t>(trip.Files.size());
        trip.Files.push_back({path, reading.File, several ? NamedMessages(std::move(reading.Messages), path)
                                                            : std::move(reading.Messages)});
        if (!several) {
            trip.Track = std::move(reading.Track);
            trip.Plt = std::move(reading.Plt);
            trip.Files[0].PointsKept = trip.Track->Points.size();
            return trip;
        }
        if (source == 0) expected = ExpectedTripPoints(paths, reading);
        Append(track, trip.PointFiles, std::move(*reading.Track), source, expected);
        MergePlt(trip.Plt, std::move(reading.Plt));
    }
    if (!several) return trip;
    OrderPieces(track, trip.PointFiles);
    const std::vector<size_t> dropped = DropTimesNotLater(track, trip.PointFiles);
    for (uint32_t source : trip.PointFiles) ++trip.Files[source].PointsKept;
    for (size_t f = 0; f < trip.Files.size(); ++f) {
        TripFile& file = trip.Files[f];
        const size_t left = f < dropped.size() ? dropped[f] : 0;
        if (left > 0)
            file.Warnings.push_back({false, MessageText(MessageId::TripLeftOutNotLater,
                                                        {file.Path, CountText(left), CountText(left + file.PointsKept)})});
    }
    trip.Track = std::move(track);
    return trip;
}

void ShowTripMessages(const TripReading& trip, MessageSink& sink)
{
    if (!trip.Track) {
        for (const Message& message : trip.Refusal) sink.Show(message);
        return;
    }
    for (const TripFile& file : trip.Files) {
        if (file.Version)
            sink.ShowWarnings(*file.Version, file.Warnings);
        else
            for (const Message& message : file.Warnings) sink.Show(message);
    }
}

}  // namespace qm
