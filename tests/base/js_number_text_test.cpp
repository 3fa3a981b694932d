#include "base/js_number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kalamo {
namespace {

// What String(value) prints in a JavaScript engine.
TEST(JsNumberText, WritesNumbersAsJavaScriptDoes) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {6220.8, "6220.8"},
        {0.1 + 0.2, "0.30000000000000004"},
        {1.0 / 3, "0.3333333333333333"},
        {0.5, "0.5"},
        {-2.5, "-2.5"},
        {3, "3"},
        {100, "100"},
        {144, "144"},
        {9007199254740992.0, "9007199254740992"},
        {9007199254740994.0, "9007199254740994"},
        {1e20, "100000000000000000000"},
        {123456789012345680000.0, "123456789012345680000"},
        {999999999999999900000.0, "999999999999999900000"},
        {1e21, "1e+21"},
        {1.2345e21, "1.2345e+21"},
        {-1e21, "-1e+21"},
        {1e300 * 10, "1e+301"},
        {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
        {0.000001, "0.000001"},
        {0.0000015, "0.0000015"},
        {-0.000001, "-0.000001"},
        {1e-7, "1e-7"},
        {1.5e-7, "1.5e-7"},
        {-1.5e-7, "-1.5e-7"},
        {std::numeric_limits<double>::denorm_min(), "5e-324"},
        {0.0, "0"},
        {-0.0, "0"},
        {inf, "Infinity"},
        {-inf, "-Infinity"},
        {std::nan(""), "NaN"},
    };
    for (const auto& c : cases) EXPECT_EQ(JsNumberText(c.value), c.text) << c.text;
}

}  // namespace
}  // namespace kalamo
