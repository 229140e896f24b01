#include "formats/track_reader.h"

#include "formats/fit/fit_reader.h"
#include "formats/gpx/gpx_reader.h"
#include "formats/kml/kml_reader.h"
#include "formats/kml/kmz_reader.h"
#include "formats/igc/igc_reader.h"
#include "formats/nmea/nmea_reader.h"
#include "formats/ozi/plt_reader.h"
#include "formats/tcx/tcx_reader.h"
#include "formats/xml/xml_reading.h"
#include "formats/xml/xml_text.h"
#include "platform/byte_source.h"
#include "platform/error.h"
#include "platform/file_descriptor.h"
#include "platform/file_line_reader.h"
#include "platform/file_system.h"
#include "platform/large_pages.h"
#include "platform/message_text.h"
#include "platform/utf8_bom.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace qm {
namespace {

// Far more than any track a device or a program writes; it bounds the memory
// a file read whole takes and the bytes any reader is given.
constexpr size_t kMaxTrackFile = size_t{1} << 30;

// Whether the first character after blanks is "<" in text of code units of
// `width` bytes whose ASCII byte stands at `low` and whose other bytes are 0.
bool StartsWithTag(std::string_view text, size_t width, size_t low)
{
    for (size_t at = 0; at + width <= text.size(); at += width) {
        for (size_t i = 0; i < width; ++i)
            if (i != low && text[at + i] != '\0') return false;
        const char c = text[at + low];
        if (!IsXmlBlank(c)) return c == '<';
    }
    return false;
}

// Whether the content starts as an XML document does: a UTF-16 byte-order
// mark, or a "<" after an optional UTF-8 byte-order mark and any blanks, in
// UTF-8 or in UTF-16 of either byte order.
bool StartsAsXml(std::string_view text)
{
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) return true;
    text = WithoutUtf8Bom(text);
    return StartsWithTag(text, 1, 0) || StartsWithTag(text, 2, 1) || StartsWithTag(text, 2, 0);
}

// The bytes of a file, read straight into memory that is not cleared first.
struct WholeFile {
    std::unique_ptr<char[]> data;
    size_t size = 0;
    std::string_view View() const { return {data.get(), size}; }
};

Message TooLarge(const std::string& path) { return {true, "Cannot read file \"" + path + "\". File too large"}; }

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

// A track in XML, read by the reader its root element calls for; GPX unless
// it is TCX or KML, the GPX reader refusing what is none.
TrackReading ReadXmlDocument(ByteSource& bytes, const std::string& path)
{
    const std::string root = XmlRootName(bytes);
    bytes.Rewind();
    if (root == kTcxRoot) return ReadTcxTrack(bytes, path);
    if (root == kKmlRoot) return ReadKmlTrack(bytes, path);
    return ReadGpxTrack(bytes, path);
}

}  // namespace

TrackReading ReadTrack(std::string_view content, const std::string& path)
{
    if (LooksLikeFit(content)) return ReadFitTrack(content, path);
    if (StartsAsXml(content)) {
        MemoryBytes bytes(content);
        return ReadXmlDocument(bytes, path);
    }
    if (IsKmz(content)) return ReadKmzTrack(content, path);
    if (StartsAsIgc(content)) return ReadIgcTrack(content, path);
    if (StartsAsNmea(content)) return ReadNmeaTrack(content, path);
    return ReadPltTrack(content);
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
    // An OziExplorer track streams through the line reader and an XML one
    // through expat, their text never whole in memory; the other formats are
    // read from memory.
    FileLineReader lines(fd.get(), path, kMaxTrackFile);
    FileBytes file(fd.get(), path, kMaxTrackFile);
    WholeFile whole;
    try {
        const std::string_view head = lines.Head();
        if (StartsAsXml(head)) {
            file.Rewind();
            return ReadXmlDocument(file, path);
        }
        if (StartsAsPltTrack(head)) return ReadPltTrack(lines);
        ReadWholeFile(file, whole);
    } catch (const Error& error) {
        reading.Messages.push_back({true, error.what()});
        return reading;
    }
    return ReadTrack(whole.View(), path);
}

}  // namespace qm
