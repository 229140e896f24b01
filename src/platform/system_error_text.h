#pragma once

#include <string>

namespace qm {

// Why a file operation failed (an errno value; Windows' errors arrive mapped
// by SetErrnoFromLastError) in the messages' language; a number without a
// text of its own is named by its value.
std::string SystemErrorText(int error);

}  // namespace qm
