#pragma once

#include <cstdint>
#include <string_view>

namespace qm {

// The FIT protocol's 16-bit CRC (polynomial 0x8005, bits reflected, starting
// at 0) of bytes, continuing from crc.
uint16_t FitCrc(std::string_view bytes, uint16_t crc = 0);

}  // namespace qm
