#include "platform/file_system.h"

#include "platform/byte_source.h"
#include "platform/file_descriptor.h"
#include "platform/path_text.h"

namespace qm {

bool SameFile(const std::string& a, const std::string& b)
{
    const std::optional<FileId> first = FileIdOf(a);
    return first && first == FileIdOf(b);
}

bool ReadFileBytes(const std::string& path, std::string& content)
{
    FileDescriptor fd(OpenRegularFile(path));
    if (fd.get() < 0) return false;
    FileBytes file(fd.get(), path, UINT64_MAX);
    content = ReadAllBytes(file);
    return true;
}

std::string TemporaryPathBeside(const std::string& path)
{
    // A name of up to 255 bytes has room for the 9 bytes added.
    constexpr size_t kMaxKept = 200;
    const std::string directory = PathDirPart(path);
    return directory + ".~" + path.substr(directory.size(), kMaxKept) + ".XXXXXX";
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += kLineEnd;
    }
    return text;
}

}  // namespace qm
