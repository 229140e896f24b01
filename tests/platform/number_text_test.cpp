#include "platform/error.h"
#include "platform/number_text.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(TextToInt, AcceptsBlanksSignAndDigits)
{
    EXPECT_EQ(TextToInt("  42"), 42);
    EXPECT_EQ(TextToInt("-7"), -7);
    EXPECT_EQ(TextToInt("+7"), 7);
    EXPECT_EQ(TextToInt("-2147483648"), INT32_MIN);
}

}  // namespace
}  // namespace qm
