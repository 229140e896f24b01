#include "formats/track_reader.h"

#include "formats/gpx/gpx_reader.h"
#include "formats/ozi/plt_reader.h"
#include "platform/file_descriptor.h"
#include "platform/file_system.h"

#include <string_view>
#include <unistd.h>

namespace qm {
namespace {

// Whether the file's first characters are those of an XML document: a "<"
// after an optional UTF-8 byte-order mark and blanks, or a UTF-16 byte-order
// mark. A file that cannot be read is not, so the OziExplorer reader reports it.
bool StartsAsXml(const std::string& path)
{
    FileDescriptor fd(OpenRegularFile(path));
    if (!fd.IsOpen()) return false;
    char head[256];
    ssize_t n = ::read(fd.get(), head, sizeof head);
    if (n <= 0) return false;
    std::string_view text(head, static_cast<size_t>(n));
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) return true;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    size_t first = text.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && text[first] == '<';
}

}  // namespace

TrackReading LoadTrack(const std::string& path)
{
    return StartsAsXml(path) ? LoadGpxTrack(path) : LoadPltTrack(path);
}

}  // namespace qm
