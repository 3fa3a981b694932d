#include "base/stamps.h"

#include <gtest/gtest.h>

#include "base/number_text.h"

namespace kalamo {
namespace {

TEST(Stamps, NeverZeroPadded) {
    LocalDateTime t{2016, 1, 31, 9, 5, 7, 0};
    EXPECT_EQ(DayStamp(t), "2016131");
    EXPECT_EQ(HeaderStamp(t), "2016年1月31日9时5分7");
    LocalDateTime m{2016, 3, 5, 8, 3, 9, 6};
    EXPECT_EQ(HeaderStamp(m), "2016年3月5日8时3分9");
}

TEST(ReadInteger, TakesTheLeadingDecimalNumber) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"12px", 12},
        {"600.5", 600},
        {"  -7", -7},
        {"+3", 3},
        {"１２３", 123},
        {"－５", -5},
        {"　４２", 42},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
        {"\t\r\n8", 8},
        {"--1", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadInteger(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace kalamo
