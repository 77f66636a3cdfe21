#include "platform/integer_text.h"

#include <gtest/gtest.h>

TEST(IntegerText, AcceptsSignedThirtyTwoBitNumbersOnly) {
    std::int32_t value = 99;
    EXPECT_TRUE(TryStrToInt("0", value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(TryStrToInt("-2147483648", value));
    EXPECT_EQ(value, INT32_MIN);
    EXPECT_TRUE(TryStrToInt("+2147483647", value));
    EXPECT_EQ(value, INT32_MAX);
    for (const char* bad : {"", "-", "+", "2147483648", "-2147483649", "1.5", " 3", "3 ", "0x10",
                            "99999999999999999999"}) {
        value = 7;
        EXPECT_FALSE(TryStrToInt(bad, value)) << bad;
        EXPECT_EQ(value, 7) << bad;
    }
}

TEST(IntegerText, StrToIntRaisesTheConversionError) {
    EXPECT_EQ(StrToInt("-12"), -12);
    try {
        StrToInt("1.5");
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'1.5' is not a valid integer value");
    }
}
