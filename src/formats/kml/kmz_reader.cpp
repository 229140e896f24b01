#include "formats/kml/kmz_reader.h"

#include "formats/kml/kml_reader.h"
#include "formats/kml/zip_entry_count.h"
#include "formats/kml/zip_reason.h"
#include "platform/message_text.h"
#include "platform/quoted_input.h"

#include <algorithm>
#include <memory>
#include <string>
#include <zip.h>

namespace qm {
namespace {

// Far more than any track holds; a member beyond either bound is taken for
// a bomb. The sizes an archive declares are not believed: what is unpacked
// is counted.
constexpr uint64_t kMaxUnpacked = uint64_t{256} << 20;
constexpr uint64_t kMaxRatio = 100;
// Far more members than any KMZ holds: libzip reads the whole directory, so
// an archive that declares more is refused before it is opened.
constexpr uint64_t kMaxEntries = 10000;
constexpr size_t kReadChunk = size_t{1} << 16;

struct ZipDiscard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ZipFileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

bool EndsWithKml(std::string_view name)
{
    if (name.size() < 4) return false;
    std::string suffix(name.substr(name.size() - 4));
    std::transform(suffix.begin(), suffix.end(), suffix.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
    return suffix == ".kml";
}

// The index of doc.kml, else of the first member named .kml.
std::optional<zip_uint64_t> KmlMember(zip_t* archive)
{
    const zip_int64_t doc = zip_name_locate(archive, "doc.kml", 0);
    if (doc >= 0) return static_cast<zip_uint64_t>(doc);
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(i), 0);
        if (name && EndsWithKml(name)) return static_cast<zip_uint64_t>(i);
    }
    return std::nullopt;
}

// The member's bytes into text; the refusal when they cannot be had or
// exceed the bounds.
std::optional<std::string> Unpack(zip_t* archive, zip_uint64_t index, size_t archiveSize, const std::string& member,
                                  const std::string& path, std::string& text)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    const uint64_t declared = zip_stat_index(archive, index, 0, &stat) == 0 && (stat.valid & ZIP_STAT_COMP_SIZE)
                                  ? stat.comp_size
                                  : archiveSize;
    const uint64_t packed = std::max<uint64_t>(1, std::min<uint64_t>(declared, archiveSize));
    std::unique_ptr<zip_file_t, ZipFileClose> file(zip_fopen_index(archive, index, 0));
    auto notUnpacked = [&](zip_error_t* error) {
        return MessageText(MessageId::KmzNotUnpacked, {member, path, ZipReason(zip_error_code_zip(error))});
    };
    if (!file) return notUnpacked(zip_get_error(archive));
    char chunk[kReadChunk];
    for (;;) {
        const zip_int64_t n = zip_fread(file.get(), chunk, sizeof chunk);
        if (n < 0) return notUnpacked(zip_file_get_error(file.get()));
        if (n == 0) return std::nullopt;
        text.append(chunk, static_cast<size_t>(n));
        if (text.size() > kMaxUnpacked)
            return MessageText(MessageId::KmzTooLarge, {member, path});
        if (text.size() > kMaxRatio * packed)
            return MessageText(MessageId::KmzBomb, {member, path});
    }
}

}  // namespace

bool StartsAsKmz(std::string_view content) { return content.starts_with("PK\x03\x04"); }

TrackReading ReadKmzTrack(std::string_view content, const std::string& path)
{
    TrackReading reading;
    auto refuse = [&](std::string text) {
        reading.Messages.push_back({false, std::move(text)});
        return std::move(reading);
    };
    if (ZipEntryCount(content).value_or(0) > kMaxEntries)
        return refuse(MessageText(MessageId::KmzTooManyEntries, {path, std::to_string(kMaxEntries)}));
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(content.data(), content.size(), 0, &error);
    std::unique_ptr<zip_t, ZipDiscard> archive(source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr);
    if (!archive) {
        if (source) zip_source_free(source);
        const std::string why = ZipReason(zip_error_code_zip(&error));
        zip_error_fini(&error);
        return refuse(MessageText(MessageId::KmzNotArchive, {path, why}));
    }
    zip_error_fini(&error);
    std::optional<zip_uint64_t> index = KmlMember(archive.get());
    if (!index) return refuse(MessageText(MessageId::KmzWithoutKml, {path}));
    const char* name = zip_get_name(archive.get(), *index, 0);
    const std::string member = QuotedInput(name ? name : "");
    std::string kml;
    if (std::optional<std::string> refusal = Unpack(archive.get(), *index, content.size(), member, path, kml))
        return refuse(std::move(*refusal));
    archive.reset();
    MemoryBytes bytes(kml);
    return ReadKmlTrack(bytes, path + "/" + member);
}

}  // namespace qm
