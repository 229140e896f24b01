#pragma once

#include <filesystem>
#include <exception>
#include <string>

namespace qm::test {

// A file's bytes and modification time, to show that nothing touched it.
struct FileState {
    std::string bytes;
    std::filesystem::file_time_type modified{};
    bool operator==(const FileState& other) const = default;
};
FileState StateOf(const std::string& path);

// Names in a directory that a writer uses for its unfinished files.
bool HasTemporaryFiles(const std::string& directory);

// Writes a file until the file system is full.
void FillUp(const std::string& path);

// The text of the Error that f throws; empty when it throws none.
template <typename F>
std::string ErrorText(F f)
{
    try {
        f();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "";
}

}  // namespace qm::test
