#include "formats/fit/fit_crc.h"

#include <array>

namespace qm {
namespace {

// The CRC of each byte value: 0x8005 with its bits reversed is 0xA001.
constexpr std::array<uint16_t, 256> kTable = [] {
    std::array<uint16_t, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        unsigned crc = byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
        table[byte] = static_cast<uint16_t>(crc);
    }
    return table;
}();

}  // namespace

uint16_t FitCrc(std::string_view bytes, uint16_t crc)
{
    for (char c : bytes) crc = static_cast<uint16_t>((crc >> 8) ^ kTable[(crc ^ static_cast<unsigned char>(c)) & 0xFF]);
    return crc;
}

}  // namespace qm
