#include "support/test_support.h"

#include "platform/path_text.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace qm::test {

TempDir::TempDir()
{
    std::random_device random;
    const std::filesystem::path temp = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const std::filesystem::path made = temp / ("quillmarsh-test-" + std::to_string(random()));
        // UTF-8 on every system, whatever the user's name in the temporary folder's path.
        if (std::filesystem::create_directory(made)) path_ = reinterpret_cast<const char*>(made.u8string().c_str());
    }
    if (path_.empty()) throw std::runtime_error("no temporary directory made");
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::File(const std::string& name) const { return Native(path_ + "/" + name); }

std::string TempDir::Write(const std::string& name, const std::string& bytes) const
{
    std::string path = File(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

testing::AssertionResult ToolInstalled(const std::string& tool)
{
    if (std::system(("command -v '" + tool + "' >/dev/null 2>&1").c_str()) == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << tool << " is not installed, and this test needs it (make deps installs it)";
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string Native(std::string path)
{
    std::replace(path.begin(), path.end(), '/', kPathSeparator);
    return path;
}

}  // namespace qm::test
