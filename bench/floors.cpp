#include "floors.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace qm::bench {
namespace {

constexpr size_t kBuffer = size_t{1} << 20;
constexpr int kHeaderLines = 6;

struct FloorPoint {
    double Latitude, Longitude;
    int Code;
    double Feet, Days;
};

int OpenOrThrow(const std::string& path, int flags)
{
    int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0) throw std::runtime_error("cannot open " + path);
    return fd;
}

// The five comma-ended numbers at the start of line.
bool ConvertPoint(std::string_view line, FloorPoint& point)
{
    const char* p = line.data();
    const char* const end = p + line.size();
    auto field = [&](auto& value) {
        auto [next, ec] = std::from_chars(p, end, value);
        if (ec != std::errc() || next == end || *next != ',') return false;
        p = next + 1;
        return true;
    };
    return field(point.Latitude) && field(point.Longitude) && field(point.Code) && field(point.Feet) &&
           field(point.Days);
}

// The points of the whole file, judged from the lines of its first bytes:
// the vector is never moved while it fills.
size_t ExpectedPoints(int fd, std::string_view head)
{
    struct stat st;
    if (::fstat(fd, &st) != 0 || head.empty()) return 0;
    const auto lines = static_cast<double>(std::count(head.begin(), head.end(), '\n') + 1);
    return static_cast<size_t>(static_cast<double>(st.st_size) / static_cast<double>(head.size()) * lines);
}

std::string DirectoryOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

}  // namespace

size_t ParseFloor(const std::string& trackPath)
{
    const int fd = OpenOrThrow(trackPath, O_RDONLY);
    auto buffer = std::make_unique_for_overwrite<char[]>(kBuffer);
    std::vector<FloorPoint> points;
    size_t kept = 0;  // unfinished line at the start of the buffer
    int lineNumber = 0;
    for (bool first = true;; first = false) {
        ssize_t n = ::read(fd, buffer.get() + kept, kBuffer - kept);
        if (n <= 0) break;
        const char* p = buffer.get();
        const char* const end = p + kept + static_cast<size_t>(n);
        if (first) points.reserve(ExpectedPoints(fd, {p, static_cast<size_t>(n)}));
        while (const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)))) {
            if (++lineNumber > kHeaderLines) ConvertPoint({p, static_cast<size_t>(lf - p)}, points.emplace_back());
            p = lf + 1;
        }
        kept = static_cast<size_t>(end - p);
        std::memmove(buffer.get(), p, kept);
    }
    ::close(fd);
    return points.size();
}

void DurableFloor(const std::string& trackPath, uint64_t bytes)
{
    ParseFloor(trackPath);
    const std::string path = trackPath + ".floor", temp = path + ".tmp";
    const int fd = OpenOrThrow(temp, O_WRONLY | O_CREAT | O_TRUNC);
    auto buffer = std::make_unique_for_overwrite<char[]>(kBuffer);
    std::memset(buffer.get(), 'x', kBuffer);
    for (uint64_t offset = 0; offset < bytes; offset += kBuffer) {
        const size_t size = static_cast<size_t>(std::min<uint64_t>(kBuffer, bytes - offset));
        if (::write(fd, buffer.get(), size) != static_cast<ssize_t>(size)) throw std::runtime_error("cannot write");
        ::sync_file_range(fd, static_cast<off_t>(offset), static_cast<off_t>(size), SYNC_FILE_RANGE_WRITE);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0 || ::rename(temp.c_str(), path.c_str()) != 0)
        throw std::runtime_error("cannot complete " + path);
    const int dir = OpenOrThrow(DirectoryOf(trackPath), O_RDONLY | O_DIRECTORY);
    ::fsync(dir);
    ::close(dir);
}

void RemoveDurableFloorFile(const std::string& trackPath) { ::unlink((trackPath + ".floor").c_str()); }

}  // namespace qm::bench
