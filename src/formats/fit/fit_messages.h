#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// How a local message type's data messages are laid out, as its last
// definition message said.
struct FitLayout {
    bool Defined = false;
    bool BigEndian = false;
    uint16_t Global = 0;  // the global message number
    size_t Size = 0;      // bytes of a data message after its header, developer fields included
    // Where each field number's bytes start and how many there are (0: the
    // message has no such field); a number defined twice keeps its first.
    std::array<uint16_t, 256> Offset{};
    std::array<uint8_t, 256> FieldSize{};
    std::array<uint8_t, 256> BaseType{};
};

// FIT times below this count seconds since the device started, not a date.
inline constexpr uint32_t kFirstFitDate = 0x10000000;

// One data message of a FIT file.
struct FitMessage {
    uint16_t Global = 0;
    // Its timestamp field (253), or the time its compressed header gives,
    // or else the last time the file gave before it, as GPSBabel reads a
    // message without a time of its own; seconds since 1989-12-31 00:00 UTC,
    // or less than kFirstFitDate where it counts the device's own time and the
    // file tells no time it was created.
    std::optional<uint32_t> Timestamp;
    // Which file of a chain of FIT files it belongs to, from 0.
    size_t File = 0;
    const FitLayout* Layout = nullptr;
    const unsigned char* Data = nullptr;

    // The unsigned value of field `number` when the message holds it in
    // exactly `size` bytes (1, 2 or 4); nothing otherwise.
    std::optional<uint32_t> Field(uint8_t number, uint8_t size) const;
};

// The data messages of FIT content, one or several FIT files one after the
// other, in their order. Definition messages (either byte order, developer
// fields skipped), local message types and compressed-timestamp headers are
// taken care of here, and so are times of the device's own clock (below
// 0x10000000, as action cameras write them): after the file_id message that
// tells when the file was created, they count from that time, as GPSBabel
// reads them. Every file's CRC is checked; a file whose CRC fails is still
// read as far as its messages parse.
class FitMessageStream {
public:
    explicit FitMessageStream(std::string_view content);

    // The next data message; false at the end of the content or where it
    // breaks.
    bool Next(FitMessage& message);

    // What was found wrong with the content, each kind once, in the order
    // found; empty when it is sound.
    const std::vector<std::string>& Damage() const { return damage_; }

private:
    bool StartFile();
    bool ReadDefinition(uint8_t header);
    void TakeTimeCreated(const FitMessage& fileId);
    std::optional<uint32_t> TimeOf(const FitMessage& message) const;
    void Note(const std::string& why);
    bool Break(const std::string& why);
    size_t Offset() const { return static_cast<size_t>(at_ - begin_); }

    const unsigned char* begin_;
    const unsigned char* end_;
    const unsigned char* at_;       // the next byte to read
    const unsigned char* dataEnd_;  // where the current file's messages end
    const unsigned char* next_;     // where the next file of the chain starts
    size_t files_ = 0;              // files started
    bool broken_ = false;
    std::optional<uint32_t> lastTimestamp_;
    std::optional<uint32_t> timeCreated_;  // the time_created of the file's file_id
    std::array<FitLayout, 16> layouts_;
    std::vector<std::string> damage_;
};

}  // namespace qm
