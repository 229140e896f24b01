#include "formats/fit/fit_messages.h"

#include "formats/fit/fit_crc.h"
#include "platform/message_text.h"
#include "platform/number_text.h"

#include <algorithm>
#include <cstring>

namespace qm {
namespace {

constexpr size_t kMinHeader = 12;
constexpr uint8_t kTimestampField = 253;
constexpr uint32_t kInvalidTimestamp = 0xFFFFFFFF;
// The file_id message and its time_created field.
constexpr uint16_t kFileId = 0;
constexpr uint8_t kTimeCreatedField = 4;
constexpr uint8_t kSint32 = 0x85, kUint32 = 0x86;
// A compressed header holds the low 5 bits of the time.
constexpr uint32_t kOffsetMask = 0x1F;

// The unsigned number of `size` bytes (at most 4) in the given byte order.
uint32_t Unsigned(const unsigned char* bytes, size_t size, bool bigEndian)
{
    uint32_t value = 0;
    for (size_t i = 0; i < size; ++i) value |= uint32_t{bytes[bigEndian ? size - 1 - i : i]} << (8 * i);
    return value;
}

std::string_view Bytes(const unsigned char* from, const unsigned char* to)
{
    return {reinterpret_cast<const char*>(from), static_cast<size_t>(to - from)};
}

std::string ByteText(size_t offset) { return IntToText(static_cast<int64_t>(offset)); }

}  // namespace

std::optional<uint32_t> FitMessage::Field(uint8_t number, uint8_t size) const
{
    if (Layout->FieldSize[number] != size) return std::nullopt;
    return Unsigned(Data + Layout->Offset[number], size, Layout->BigEndian);
}

FitMessageStream::FitMessageStream(std::string_view content)
    : begin_(reinterpret_cast<const unsigned char*>(content.data())),
      end_(begin_ + content.size()),
      at_(begin_),
      dataEnd_(begin_),
      next_(begin_)
{
}

// Each kind of damage is told once, however many files of a chain have it.
void FitMessageStream::Note(const std::string& why)
{
    if (std::find(damage_.begin(), damage_.end(), why) == damage_.end()) damage_.push_back(why);
}

bool FitMessageStream::Break(const std::string& why)
{
    damage_.push_back(why);
    broken_ = true;
    return false;
}

// Reads the header of the file at next_ and checks its CRCs. Bytes after a
// file that are no FIT file's start (padding some devices leave) are not read.
bool FitMessageStream::StartFile()
{
    const size_t left = static_cast<size_t>(end_ - next_);
    const bool isHeader = left >= kMinHeader && next_[0] >= kMinHeader && next_[0] <= left &&
                          std::memcmp(next_ + 8, ".FIT", 4) == 0;
    if (!isHeader) return files_ == 0 ? Break(MessageText(MessageId::FitWrongHeader)) : false;
    const unsigned char* file = next_;
    const size_t headerSize = file[0];
    if (headerSize >= kMinHeader + 2) {
        const uint32_t headerCrc = Unsigned(file + kMinHeader, 2, false);
        if (headerCrc != 0 && FitCrc(Bytes(file, file + kMinHeader)) != headerCrc)
            Note(MessageText(MessageId::FitHeaderChecksum));
    }
    const size_t dataSize = Unsigned(file + 4, 4, false);
    at_ = file + headerSize;
    if (dataSize + 2 > static_cast<size_t>(end_ - at_)) {
        Note(MessageText(MessageId::FitShorterThanHeader));
        dataEnd_ = next_ = end_;
    } else {
        dataEnd_ = at_ + dataSize;
        next_ = dataEnd_ + 2;
        if (FitCrc(Bytes(file, dataEnd_)) != Unsigned(dataEnd_, 2, false))
            Note(MessageText(MessageId::FitChecksum));
    }
    layouts_ = {};
    lastTimestamp_.reset();
    timeCreated_.reset();
    ++files_;
    return true;
}

bool FitMessageStream::ReadDefinition(uint8_t header)
{
    const size_t start = Offset() - 1;
    auto has = [&](size_t n) { return static_cast<size_t>(dataEnd_ - at_) >= n; };
    // Reserved byte, byte order, global number, field count.
    if (!has(5)) return Break(MessageText(MessageId::FitDefinitionCut, {ByteText(start)}));
    const uint8_t architecture = at_[1];
    if (architecture > 1) return Break(MessageText(MessageId::FitUnknownByteOrder, {ByteText(start)}));
    FitLayout& layout = layouts_[header & 0x0F];
    layout = FitLayout{};
    layout.BigEndian = architecture == 1;
    layout.Global = static_cast<uint16_t>(Unsigned(at_ + 2, 2, layout.BigEndian));
    const size_t fields = at_[4];
    at_ += 5;
    if (!has(3 * fields)) return Break(MessageText(MessageId::FitDefinitionCut, {ByteText(start)}));
    for (size_t i = 0; i < fields; ++i, at_ += 3) {
        const uint8_t number = at_[0];
        const uint8_t size = at_[1];
        if (layout.FieldSize[number] == 0 && size > 0) {
            layout.Offset[number] = static_cast<uint16_t>(layout.Size);
            layout.FieldSize[number] = size;
            layout.BaseType[number] = at_[2];
        }
        layout.Size += size;
    }
    // Developer fields: a count, then number, size and developer index of
    // each; only their size matters here.
    constexpr uint8_t kDeveloperData = 0x20;
    if (header & kDeveloperData) {
        if (!has(1)) return Break(MessageText(MessageId::FitDefinitionCut, {ByteText(start)}));
        const size_t developerFields = *at_++;
        if (!has(3 * developerFields)) return Break(MessageText(MessageId::FitDefinitionCut, {ByteText(start)}));
        for (size_t i = 0; i < developerFields; ++i, at_ += 3) layout.Size += at_[1];
    }
    layout.Defined = true;
    return true;
}

bool FitMessageStream::Next(FitMessage& message)
{
    if (broken_) return false;
    for (;;) {
        if (at_ == dataEnd_) {
            if (!StartFile()) return false;
            continue;
        }
        const size_t start = Offset();
        const uint8_t header = *at_;
        size_t local = 0;
        std::optional<uint32_t> time;
        constexpr uint8_t kCompressed = 0x80, kDefinition = 0x40;
        if (header & kCompressed) {
            local = (header >> 5) & 0x03;
            if (lastTimestamp_) {
                const uint32_t offset = header & kOffsetMask;
                uint32_t stamp = (*lastTimestamp_ & ~kOffsetMask) + offset;
                // The low bits rolled over since the last time.
                if (offset < (*lastTimestamp_ & kOffsetMask)) stamp += kOffsetMask + 1;
                time = stamp;
            }
        } else if (header & kDefinition) {
            ++at_;
            if (!ReadDefinition(header)) return false;
            continue;
        } else {
            local = header & 0x0F;
        }
        const FitLayout& layout = layouts_[local];
        if (!layout.Defined)
            return Break(MessageText(MessageId::FitUndefinedMessage,
                                     {IntToText(static_cast<int64_t>(local)), ByteText(start)}));
        if (layout.Size >= static_cast<size_t>(dataEnd_ - at_))
            return Break(MessageText(MessageId::FitMessageCut, {ByteText(start)}));
        message.Global = layout.Global;
        message.File = files_ - 1;
        message.Layout = &layout;
        message.Data = at_ + 1;
        at_ += 1 + layout.Size;
        if (std::optional<uint32_t> stamp = TimeOf(message)) time = stamp;
        if (time) lastTimestamp_ = time;
        message.Timestamp = lastTimestamp_;
        if (message.Global == kFileId) TakeTimeCreated(message);
        return true;
    }
}

// A time_created of 32 bits that has a value; of another type, none is read.
void FitMessageStream::TakeTimeCreated(const FitMessage& fileId)
{
    const uint8_t type = fileId.Layout->BaseType[kTimeCreatedField];
    const std::optional<uint32_t> created = fileId.Field(kTimeCreatedField, 4);
    if (created && *created != kInvalidTimestamp && (type == kSint32 || type == kUint32)) timeCreated_ = created;
}

// The message's own timestamp field; a time counted from the file's start
// is moved to UTC by the file's time_created (wrapping as 32-bit seconds do).
std::optional<uint32_t> FitMessageStream::TimeOf(const FitMessage& message) const
{
    std::optional<uint32_t> stamp = message.Field(kTimestampField, 4);
    if (!stamp || *stamp == kInvalidTimestamp) return std::nullopt;
    if (*stamp < kFirstFitDate && timeCreated_) *stamp += *timeCreated_;
    return stamp;
}

}  // namespace qm
