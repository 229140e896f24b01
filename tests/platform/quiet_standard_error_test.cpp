#include "platform/quiet_standard_error.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace qm {
namespace {

void WriteThroughTheCLibrary(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

// Past the C library: on Windows to the process's standard error handle.
void WriteStraight(std::string_view text)
{
#ifdef _WIN32
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), text.data(), DWORD(text.size()), &written, nullptr);
#else
    EXPECT_EQ(::write(STDERR_FILENO, text.data(), text.size()), ssize_t(text.size()));
#endif
}

TEST(QuietStandardError, DropsWhatIsWrittenWhileItLivesOnly)
{
    for (const auto write : {WriteThroughTheCLibrary, WriteStraight}) {
        testing::internal::CaptureStderr();
        write("before ");
        {
            const QuietStandardError quiet;
            write("dropped ");
        }
        write("after");
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "before after");
    }
}

}  // namespace
}  // namespace qm
