#pragma once

#include "formats/track_reader.h"
#include "platform/message_sink.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace qm::fuzz {

// Messages are part of the normal outcome of bad input; they are dropped.
class NullSink : public MessageSink {
public:
    void ShowMessage(const std::string&) override {}
    void ShowError(const std::string&) override {}
};

// A directory of its own for this process under TMPDIR (without it the
// memory file system /dev/shm, else /tmp), made on first use and kept for all
// inputs, which replace its files.
const std::string& WorkDir();

// Writes the bytes to path, replacing what was there.
void WriteInput(const std::string& path, const uint8_t* data, size_t size);

// The characters of a UTF-8 text; the columns of a TXT report count them.
inline size_t CharacterCount(const std::string& utf8)
{
    size_t count = 0;
    for (char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

// The promises of a track reader, checked by every target that reads
// tracks: a file it refuses is refused with one message; a track it accepts
// has at least one point, times strictly increasing, the first time not 0,
// at most maxMessages messages, measure columns empty or as long as the
// track, and, unless it came from an OziExplorer track (which keeps what the
// file says), positions within their ranges and finite heights.
void CheckTrackReading(const TrackReading& reading, size_t maxMessages);

// A broken promise of the code under test: report it as a crash.
[[noreturn]] inline void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace qm::fuzz

#define QM_FUZZ_CHECK(condition) \
    do {                         \
        if (!(condition)) ::qm::fuzz::Fail(#condition); \
    } while (false)
