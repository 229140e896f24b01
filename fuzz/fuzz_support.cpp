#include "fuzz_support.h"

#include <cmath>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace qm::fuzz {

const std::string& WorkDir()
{
    static const std::string dir = [] {
        // Files in memory: the targets write many, and sync each.
        const char* tmp = std::getenv("TMPDIR");
        const std::string base = tmp && *tmp ? tmp : std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string pattern = base + "/quillmarsh-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data())) Fail("mkdtemp");
        return pattern;
    }();
    // Removed when the fuzzer ends normally; after a crash it stays for a look.
    static const bool cleanUp = std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(WorkDir(), ignored);
    }) == 0;
    (void)cleanUp;
    return dir;
}

void WriteInput(const std::string& path, const uint8_t* data, size_t size)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) Fail("cannot create the input file");
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n <= 0) Fail("cannot write the input file");
        data += n;
        size -= static_cast<size_t>(n);
    }
    ::close(fd);
}

void CheckTrackReading(const TrackReading& reading, size_t maxMessages)
{
    if (!reading.Track) {
        QM_FUZZ_CHECK(reading.Messages.size() == 1);
        return;
    }
    const TrackPoints& points = reading.Track->Points;
    QM_FUZZ_CHECK(!points.empty() && reading.Messages.size() <= maxMessages);
    QM_FUZZ_CHECK(points[0].DateTime != 0);
    for (size_t i = 1; i < points.size(); ++i) QM_FUZZ_CHECK(points[i].DateTime > points[i - 1].DateTime);
    if (!reading.Plt)
        for (const TrackPoint& point : points)
            QM_FUZZ_CHECK(std::fabs(point.Latitude) <= 90 && std::fabs(point.Longitude) <= 180 &&
                          (!point.Height || std::isfinite(*point.Height)));
    for (const MeasureColumn& column : reading.Track->Measures)
        QM_FUZZ_CHECK(column.empty() || column.size() == points.size());
}

}  // namespace qm::fuzz
