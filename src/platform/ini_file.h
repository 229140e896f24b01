#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// An INI file kept as its lines, so that writing a value changes that one
// line and every other line stays as it was.
//
// Reading: sections and keys compare without regard to case; where one occurs
// twice the first counts. A value is read with surrounding blanks removed and
// at most 2047 characters long; a missing key, or a number that does not
// convert, gives the caller's default. Integers may be written in hexadecimal
// with "0x" or "$"; a boolean is read as an integer, true when not 0.
//
// Writing replaces a value where it stands, appends a missing key at the end
// of its section and a missing section at the end of the file.
class IniFile {
public:
    // The INI file at path with the given text (the file's bytes as read, or
    // nothing for a new file); UpdateFile writes it there.
    explicit IniFile(std::string path, std::string_view text = {});

    const std::string& Path() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
    double ReadFloat(std::string_view section, std::string_view key, double fallback) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    // The line of the key's value, counted from 1; 0 when the key is missing.
    int KeyLine(std::string_view section, std::string_view key) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // The file as it stands, every line ending in CR LF.
    std::string Text() const;
    // Writes the whole file under a temporary name and renames it over the old
    // one. Throws Error UnableToWrite when that fails.
    void UpdateFile() const;

private:
    struct Location {
        size_t sectionLine;  // index of the "[name]" line, or npos
        size_t keyLine;      // index of the key's line, or npos
        size_t sectionEnd;   // index after the section's last non-blank line
    };
    Location Find(std::string_view section, std::string_view key) const;
    // The key's value, blanks around it removed and cut to the longest read.
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;

    std::string path_;
    std::vector<std::string> lines_;
};

}  // namespace qm
