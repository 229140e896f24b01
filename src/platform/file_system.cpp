#include "platform/file_system.h"

#include "platform/path_text.h"

namespace qm {

bool SameFile(const std::string& a, const std::string& b)
{
    const std::optional<FileId> first = FileIdOf(a);
    return first && first == FileIdOf(b);
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
