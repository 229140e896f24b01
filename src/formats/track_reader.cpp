#include "formats/track_reader.h"

#include "formats/fit/fit_reader.h"
#include "formats/foreign_content.h"
#include "formats/gpx/gpx_reader.h"
#include "formats/kml/kml_reader.h"
#include "formats/kml/kmz_reader.h"
#include "formats/igc/igc_reader.h"
#include "formats/nmea/nmea_reader.h"
#include "formats/ozi/plt_reader.h"
#include "formats/tcx/tcx_reader.h"
#include "formats/xml/xml_reading.h"
#include "formats/xml/xml_text.h"
#include "platform/ascii_case.h"
#include "platform/byte_source.h"
#include "platform/error.h"
#include "platform/file_descriptor.h"
#include "platform/file_line_reader.h"
#include "platform/file_system.h"
#include "platform/large_pages.h"
#include "platform/message_text.h"
#include "platform/system_error_text.h"
#include "platform/utf8_bom.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace qm {
namespace {

// Far more than any track a device or a program writes; it bounds the memory
// a file read whole takes and the bytes any reader is given.
constexpr size_t kMaxTrackFile = size_t{1} << 30;

// The bytes of a file, read straight into memory that is not cleared first.
struct WholeFile {
    std::unique_ptr<char[]> data;
    size_t size = 0;
    std::string_view View() const { return {data.get(), size}; }
};

Message TooLarge(const std::string& path)
{
    return {true, MessageText(MessageId::CannotReadFile, {path, SystemErrorText(EFBIG)})};
}

// Reads all of the file, which refuses more than the bound.
void ReadWholeFile(FileBytes& file, WholeFile& bytes)
{
    file.Rewind();
    // One byte more than the file holds shows a file that grows while it is read.
    size_t capacity = static_cast<size_t>(std::min<uint64_t>(file.Size(), kMaxTrackFile)) + 1;
    bytes.data = std::make_unique_for_overwrite<char[]>(capacity);
    AdviseLargePages(bytes.data.get(), capacity);
    while (const size_t n = file.Read(bytes.data.get() + bytes.size, capacity - bytes.size)) {
        bytes.size += n;
        if (bytes.size < capacity) continue;
        capacity *= 2;
        auto grown = std::make_unique_for_overwrite<char[]>(capacity);
        std::memcpy(grown.get(), bytes.data.get(), bytes.size);
        bytes.data = std::move(grown);
    }
}

// Where a format's reader takes the file from: its text streamed, line by
// line or whole in memory, as the reader needs.
class TrackSource {
public:
    virtual ~TrackSource() = default;
    // The first bytes, which tell the format.
    virtual std::string_view Head() = 0;
    // The bytes from the first.
    virtual ByteSource& Bytes() = 0;
    // All the bytes in memory.
    virtual std::string_view Whole() = 0;
    // The file line by line when it is read from a file, else nothing.
    virtual FileLineReader* FileLines() = 0;
};

class MemorySource final : public TrackSource {
public:
    explicit MemorySource(std::string_view content) : content_(content), bytes_(content) {}
    std::string_view Head() override { return content_; }
    ByteSource& Bytes() override
    {
        bytes_.Rewind();
        return bytes_;
    }
    std::string_view Whole() override { return content_; }
    FileLineReader* FileLines() override { return nullptr; }

private:
    std::string_view content_;
    MemoryBytes bytes_;
};

class FileSource final : public TrackSource {
public:
    FileSource(int fd, const std::string& path) : lines_(fd, path, kMaxTrackFile), bytes_(fd, path, kMaxTrackFile) {}
    std::string_view Head() override { return lines_.Head(); }
    ByteSource& Bytes() override
    {
        bytes_.Rewind();
        return bytes_;
    }
    std::string_view Whole() override
    {
        if (!whole_.data) ReadWholeFile(bytes_, whole_);
        return whole_.View();
    }
    FileLineReader* FileLines() override { return &lines_; }

private:
    FileLineReader lines_;
    FileBytes bytes_;
    WholeFile whole_;
};

// A track in XML, read by the reader its root element calls for; GPX unless
// it is TCX or KML, the GPX reader refusing what is none.
TrackReading ReadXml(TrackSource& source, const std::string& path)
{
    const std::string root = XmlRootName(source.Bytes());
    if (SameTextAnyCase(root, "html")) {
        TrackReading reading;
        reading.Messages.push_back({false, ForeignFileMessage(path, MessageId::HtmlPage)});
        return reading;
    }
    ByteSource& bytes = source.Bytes();
    if (root == kTcxRoot) return ReadTcxTrack(bytes, path);
    if (root == kKmlRoot) return ReadKmlTrack(bytes, path);
    return ReadGpxTrack(bytes, path);
}

TrackReading ReadPlt(TrackSource& source, const std::string& path)
{
    if (FileLineReader* lines = source.FileLines()) return ReadPltTrack(*lines, path);
    return ReadPltTrack(source.Whole(), path);
}

template <TrackReading (*Read)(std::string_view, const std::string&)>
TrackReading ReadWhole(TrackSource& source, const std::string& path)
{
    return Read(source.Whole(), path);
}

bool Anything(std::string_view) { return true; }

struct TrackFormat {
    std::string_view Name;
    bool (*Recognises)(std::string_view head);
    TrackReading (*Read)(TrackSource& source, const std::string& path);
};

// The formats in the order their first bytes are tried; any other content
// is read as an OziExplorer track, whose reader refuses what is none.
constexpr TrackFormat kTrackFormats[] = {
    {"FIT", StartsAsFit, ReadWhole<ReadFitTrack>},
    {"XML", StartsAsXml, ReadXml},
    {"KMZ", StartsAsKmz, ReadWhole<ReadKmzTrack>},
    {"IGC", StartsAsIgc, ReadWhole<ReadIgcTrack>},
    {"NMEA", StartsAsNmea, ReadWhole<ReadNmeaTrack>},
    {"PLT", Anything, ReadPlt},
};

const TrackFormat& FormatOf(std::string_view head)
{
    return *std::find_if(std::begin(kTrackFormats), std::end(kTrackFormats),
                         [&](const TrackFormat& format) { return format.Recognises(head); });
}

TrackReading ReadFrom(TrackSource& source, const std::string& path)
{
    TrackReading reading;
    try {
        return FormatOf(source.Head()).Read(source, path);
    } catch (const Error& error) {
        reading.Messages.push_back({true, error.what()});
    }
    return reading;
}

}  // namespace

std::string_view TrackFormatName(std::string_view head) { return FormatOf(head).Name; }

TrackReading ReadTrack(std::string_view content, const std::string& path)
{
    MemorySource source(content);
    return ReadFrom(source, path);
}

TrackReading LoadTrack(const std::string& path)
{
    TrackReading reading;
    FileDescriptor fd(OpenRegularFile(path));
    if (!fd.IsOpen()) {
        reading.Messages.push_back(
            {false, MessageText(FileExists(path) ? MessageId::TrackNotOpened : MessageId::TrackNotFound)});
        return reading;
    }
    if (OpenFileSize(fd.get()) > kMaxTrackFile) {
        reading.Messages.push_back(TooLarge(path));
        return reading;
    }
    const std::optional<FileVersion> version = OpenFileVersion(fd.get());
    FileSource source(fd.get(), path);
    reading = ReadFrom(source, path);
    reading.File = version;
    return reading;
}

}  // namespace qm
