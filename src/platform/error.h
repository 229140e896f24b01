#pragma once

#include <stdexcept>
#include <string>

namespace qm {

// A conversion or file error. Its text is exactly what the user is shown.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace qm
