#include "platform/file_text.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(FileText, Utf8StaysAndAnythingElseIsWindows1251)
{
    // Bytes as read, the text as UTF-8.
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"Walk 5 km/h", "Walk 5 km/h"},
        {"Пешком ё №", "Пешком ё №"},
        {"\xCF\xE5\xF8\xEA\xEE\xEC", "Пешком"},
        {"\xC0\xDF\xE0\xFF \xA8\xB8 \xB9 \x88 \x98", "АЯая Ёё № € \xEF\xBF\xBD"},
        // One byte that is no UTF-8 makes the whole text Windows-1251.
        {"\xD0\x9F \xE0", "Рџ а"},
        // Overlong forms, surrogates and cut sequences are no UTF-8 either.
        {"\xC0\xAF", "АЇ"},
        {"\xED\xA0\x80", "н\u00A0Ђ"},
        {"\xD0", "Р"}};
    for (const auto& [bytes, text] : cases) EXPECT_EQ(FileTextToUtf8(bytes), text) << bytes;
}

}  // namespace
}  // namespace qm
