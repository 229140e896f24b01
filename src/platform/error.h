#pragma once

#include <stdexcept>
#include <string>

namespace qm {

// A conversion or file error. Its text is exactly what the user is shown.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& text, int line = 0) : std::runtime_error(text), line_(line) {}
    // The line of the file being read where the error lies, counted from 1;
    // 0 when no line is known.
    int Line() const { return line_; }

private:
    int line_;
};

}  // namespace qm
