#include "support/test_support.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace qm::test {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "quillmarsh-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

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

}  // namespace qm::test
