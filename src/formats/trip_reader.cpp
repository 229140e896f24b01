#include "formats/trip_reader.h"

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

// Appends a file's track to the trip's, its first point starting a piece.
void Append(Track& trip, PointSources& sources, Track&& file, uint32_t source)
{
    const size_t before = trip.Points.size();
    const size_t added = file.Points.size();
    file.Points.front().StartsPiece = true;
    trip.Points.insert(trip.Points.end(), file.Points.begin(), file.Points.end());
    for (size_t k = 0; k < kMeasureCount; ++k) {
        MeasureColumn& column = trip.Measures[k];
        const MeasureColumn& added_column = file.Measures[k];
        if (column.empty() && added_column.empty()) continue;
        column.resize(before);
        if (added_column.empty())
            column.resize(before + added);
        else
            column.insert(column.end(), added_column.begin(), added_column.end());
    }
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
    size_t total = 0;
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
        Append(track, trip.PointFiles, std::move(*reading.Track), source);
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
