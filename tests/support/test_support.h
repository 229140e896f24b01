#pragma once

#include "platform/error.h"
#include "platform/message_sink.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace qm::test {

using Texts = std::vector<std::string>;

// Records every message the core shows.
class RecordingSink : public MessageSink {
public:
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowError(const std::string& text) override { errors.push_back(text); }
};

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    // Path of a file in the directory, written with this system's separator.
    std::string File(const std::string& name) const;
    // Writes bytes to a file in the directory and gives its path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::string path_;
};

std::string ReadAll(const std::string& path);

// A path's text as UTF-8 on every system (string() gives Windows' 8-bit code page).
inline std::string Utf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A device the system names like a file, which is never read as one.
#ifdef _WIN32
inline const std::string kDevice = "NUL";
#else
inline const std::string kDevice = "/dev/null";
#endif

// The path with each "/" written as this system writes a separator ("\\" on
// Windows), for paths the program puts together itself.
std::string Native(std::string path);

// Success when the program is on PATH; else a failure that says which tool is
// missing and that `make deps` installs it. A test that needs GPSBabel or
// xmllint starts with ASSERT_TRUE(test::ToolInstalled("gpsbabel")).
testing::AssertionResult ToolInstalled(const std::string& tool);

// The text of the qm::Error that work throws.
template <typename F>
std::string Thrown(F&& work)
{
    try {
        work();
    } catch (const Error& error) {
        return error.what();
    }
    return "(nothing thrown)";
}

}  // namespace qm::test
