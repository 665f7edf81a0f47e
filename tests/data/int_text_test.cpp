#include "data/int_text.h"

#include <gtest/gtest.h>

#include <limits>

TEST(IntText, ReadsDecimalWithLeadingBlanksAndSign) {
    EXPECT_EQ(ToInt32Or("12", 1), 12);
    EXPECT_EQ(ToInt32Or(" 12", 1), 12);
    EXPECT_EQ(ToInt32Or("   -7", 1), -7);
    EXPECT_EQ(ToInt32Or("+7", 1), 7);
    EXPECT_EQ(ToInt32Or("007", 1), 7);
}

TEST(IntText, ReadsHexAfterDollarOrZeroX) {
    EXPECT_EQ(ToInt32Or("$1A", 1), 26);
    EXPECT_EQ(ToInt32Or("$1a", 1), 26);
    EXPECT_EQ(ToInt32Or("0x1A", 1), 26);
    EXPECT_EQ(ToInt32Or("-$10", 1), -16);
    // Hex fills the unsigned width; the bits are taken as two's complement.
    EXPECT_EQ(ToInt32Or("$FFFFFFFF", 1), -1);
    EXPECT_EQ(ToInt64Or("$8000000000000000", 0), std::numeric_limits<std::int64_t>::min());
}

TEST(IntText, AnythingElseGivesTheFallback) {
    for (const char* bad : {"", " ", "abc", "12 ", "1 2", "12a", "-", "+", "$", "0x", "$G", "1.5",
                            "1,000", "--1", "\t12", "0x-1"}) {
        EXPECT_EQ(ToInt32Or(bad, 1), 1) << '"' << bad << '"';
        EXPECT_EQ(ToInt64Or(bad, 0), 0) << '"' << bad << '"';
    }
}

TEST(IntText, RangeLimitsOfEachWidth) {
    EXPECT_EQ(ToInt32Or("2147483647", 1), 2147483647);
    EXPECT_EQ(ToInt32Or("-2147483648", 1), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ToInt32Or("2147483648", 1), 1);
    EXPECT_EQ(ToInt32Or("$100000000", 1), 1);
    EXPECT_EQ(ToInt64Or("2147483648", 0), 2147483648LL);
    EXPECT_EQ(ToInt64Or("9223372036854775807", 0), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(ToInt64Or("-9223372036854775808", 0), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(ToInt64Or("9223372036854775808", 0), 0);
    EXPECT_EQ(ToInt64Or("99999999999999999999999", 0), 0);
}

// The kind tells a number beyond the range, in any of its forms, from text that is none.
TEST(IntText, KindTellsOutOfRangeFromNoNumber) {
    const std::pair<const char*, IntTextKind> cases[] = {
        {"9223372036854775807", IntTextKind::Number},
        {"-9223372036854775808", IntTextKind::Number},
        {"0x7FFFFFFFFFFFFFFF", IntTextKind::Number},
        {"$FFFFFFFFFFFFFFFF", IntTextKind::Number},
        {"9223372036854775808", IntTextKind::TooLarge},
        {" +99999999999999999999", IntTextKind::TooLarge},
        {"$10000000000000000", IntTextKind::TooLarge},
        {"0x10000000000000000", IntTextKind::TooLarge},
        {"$FFFFFFFFFFFFFFFFF", IntTextKind::TooLarge},
        {"-9223372036854775809", IntTextKind::TooSmall},
        {"-99999999999999999999", IntTextKind::TooSmall},
        {"-0x10000000000000000", IntTextKind::TooSmall},
        {"99999999999999999999x", IntTextKind::NotANumber},
        {"0x", IntTextKind::NotANumber},
        {"$", IntTextKind::NotANumber},
        {"0xG", IntTextKind::NotANumber},
        {"x10", IntTextKind::NotANumber},
        {"", IntTextKind::NotANumber},
        {"1.5", IntTextKind::NotANumber},
    };
    for (const auto& [text, kind] : cases) {
        EXPECT_EQ(Int64TextKind(text), kind) << '"' << text << '"';
    }
}
