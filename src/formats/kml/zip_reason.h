#pragma once

#include <string>

namespace qm {

// What a libzip error code means, in the user's language: libzip's own
// texts are English only.
std::string ZipReason(int zipErrorCode);

}  // namespace qm
