#include "robustness/robustness_support.h"

#include "support/test_support.h"

#include <cstdio>
#include <filesystem>

namespace qm::test {

FileState StateOf(const std::string& path)
{
    FileState state{ReadAll(path)};
    std::error_code missing;
    state.modified = std::filesystem::last_write_time(path, missing);
    return state;
}

bool HasTemporaryFiles(const std::string& directory)
{
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        if (entry.path().filename().string().rfind(".~", 0) == 0) return true;
    return false;
}

void FillUp(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return;
    const std::string block(4096, 'x');
    while (std::fwrite(block.data(), 1, block.size(), file) == block.size() && std::fflush(file) == 0) {
    }
    // The last bytes that fit.
    while (std::fputc('x', file) != EOF && std::fflush(file) == 0) {
    }
    std::fclose(file);
}

}  // namespace qm::test
