#include "platform/ini_file.h"

#include "platform/ascii_case.h"
#include "platform/atomic_file_writer.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/line_reader.h"
#include "platform/message_text.h"
#include "platform/number_text.h"

namespace qm {
namespace {

constexpr size_t kNone = std::string::npos;
constexpr size_t kMaxValueLength = 2047;

std::string_view Trim(std::string_view text)
{
    size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return {};
    size_t end = text.find_last_not_of(" \t");
    return text.substr(begin, end - begin + 1);
}

// The name of a "[name]" line, or false when the line is no section header.
bool SectionName(std::string_view line, std::string_view& name)
{
    const size_t bracket = line.find_first_not_of(" \t");
    if (bracket == std::string_view::npos || line[bracket] != '[') return false;
    line.remove_prefix(bracket + 1);
    name = Trim(line.substr(0, line.find(']')));
    return true;
}

bool KeyName(std::string_view line, std::string_view& key)
{
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    key = Trim(line.substr(0, equals));
    return true;
}

}  // namespace

IniFile::IniFile(std::string path, std::string_view text) : path_(std::move(path))
{
    for (LineReader reader(text); !reader.AtEnd();) lines_.emplace_back(reader.Next());
}

IniFile::Location IniFile::Find(std::string_view section, std::string_view key) const
{
    Location at{kNone, kNone, kNone};
    for (size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name;
        if (SectionName(lines_[i], name) && SameTextAnyCase(name, section)) {
            at.sectionLine = i;
            break;
        }
    }
    if (at.sectionLine == kNone) return at;
    at.sectionEnd = at.sectionLine + 1;
    for (size_t i = at.sectionLine + 1; i < lines_.size(); ++i) {
        std::string_view name;
        if (SectionName(lines_[i], name)) break;
        if (!Trim(lines_[i]).empty()) at.sectionEnd = i + 1;
        std::string_view lineKey;
        if (at.keyLine == kNone && KeyName(lines_[i], lineKey) && SameTextAnyCase(lineKey, key)) at.keyLine = i;
    }
    return at;
}

std::optional<std::string_view> IniFile::Value(std::string_view section, std::string_view key) const
{
    Location at = Find(section, key);
    if (at.keyLine == kNone) return std::nullopt;
    const std::string_view line = lines_[at.keyLine];
    return Trim(line.substr(line.find('=') + 1)).substr(0, kMaxValueLength);
}

int IniFile::KeyLine(std::string_view section, std::string_view key) const
{
    Location at = Find(section, key);
    return at.keyLine == kNone ? 0 : static_cast<int>(at.keyLine) + 1;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    return std::string(Value(section, key).value_or(fallback));
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const
{
    const std::optional<std::string_view> value = Value(section, key);
    return value ? TryTextToInt(*value, IntSyntax::DecimalOrHex).value_or(fallback) : fallback;
}

double IniFile::ReadFloat(std::string_view section, std::string_view key, double fallback) const
{
    const std::optional<std::string_view> value = Value(section, key);
    return value ? TryTextToFloat(*value).value_or(fallback) : fallback;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const
{
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    std::string line = std::string(key) + "=" + std::string(value);
    Location at = Find(section, key);
    if (at.keyLine != kNone) {
        lines_[at.keyLine] = std::move(line);
    } else if (at.sectionLine != kNone) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at.sectionEnd), std::move(line));
    } else {
        if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::move(line));
    }
}

std::string IniFile::Text() const
{
    return JoinLines(lines_);
}

void IniFile::UpdateFile() const
{
    try {
        WriteFileAtomically(path_, Text());
    } catch (const Error&) {
        throw Error(MessageText(MessageId::UnableToWrite, {path_}));
    }
}

}  // namespace qm
