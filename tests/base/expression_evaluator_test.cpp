#include "base/expression_evaluator.h"

#include <gtest/gtest.h>

#include <string>

#include "base/js_number_text.h"

namespace kalamo {
namespace {

std::string Result(const std::string& expression) {
    const std::optional<double> value = EvaluateArithmetic(expression);
    return value ? JsNumberText(*value) : "(failed)";
}

TEST(EvaluateArithmetic, ComputesWithTheUsualPrecedenceFromLeftToRight) {
    const struct {
        const char* expression;
        const char* result;
    } cases[] = {
        {"(1234+5678)*90/100", "6220.8"},
        {"1/2", "0.5"},
        {"12*12", "144"},
        {"0.1+0.2", "0.30000000000000004"},
        {"1+2*3", "7"},
        {"(1+2)*3", "9"},
        {"10-4-3", "3"},
        {"100/10/5", "2"},
        {"2*3/4", "1.5"},
        {"8/2*4", "16"},
        {"1-2+3", "2"},
        {"-3", "-3"},
        {"+3", "3"},
        {"--3", "3"},
        {"2*-3", "-6"},
        {"-2*3+1", "-5"},
        {"-(2+3)*2", "-10"},
        {"2-(-3)", "5"},
        {"((7))", "7"},
        {" \t1 +\r\n 2 ", "3"},
        {"1.5e3", "1500"},
        {"2.5E-3", "0.0025"},
        {"1e+2", "100"},
        {".5", "0.5"},
        {"5.", "5"},
        {"1.e2", "100"},
        {"007", "7"},
        {"3×4÷2", "6"},
        {"（１＋２）＊３／４．５", "2"},
        {"\x81\x36\xD3\x31"
         "5+1",
         "-4"},            // U+2212 minus sign
        {"1　+　1", "2"},  // ideographic spaces
        {"１ｅ３", "1000"},
        {"1/0", "Infinity"},
        {"-1/0", "-Infinity"},
        {"0/0", "NaN"},
        {"-0", "0"},
        {"1e400", "Infinity"},
        {"-1e400", "-Infinity"},
        {"1e-400", "0"},
        {"0.0000000000000000000000000000000000000000000000000000000000000001e-300", "0"},
        {"1000000000000000000000000000000000000000e290", "Infinity"},
        {"0.001e311", "1e+308"},
        {"1e99999999999999999999999999", "Infinity"},
        {"123456789012345678901234567890", "1.2345678901234568e+29"},
    };
    for (const auto& c : cases) EXPECT_EQ(Result(c.expression), c.result) << c.expression;
}

TEST(EvaluateArithmetic, GivesNothingForWhatIsNoArithmetic) {
    const char* cases[] = {
        "",
        "   ",
        "abc+",
        "abc",
        "3+4=",
        "1+",
        "*2",
        "(1",
        "1)",
        "()",
        "(1+2))",
        "((1)",
        "1 2",
        "1..2",
        "1.2.3",
        ".",
        "+",
        "-",
        "e5",
        "1e",
        "1e+",
        "1e5e5",
        "2**3",
        "0x10",
        "1,5",
        "1_000",
        "Infinity",
        "NaN",
        "中文",
        "1+2中",
        "第1章",
        "\xA1",
        "1\xA3",
        "\xA3\xA1",
        "1;2",
        "alert(1)",
        "\xFF"
        "1",
        "1\x80",
        "（１＋２",
    };
    for (const char* c : cases) EXPECT_FALSE(EvaluateArithmetic(c)) << c;
    EXPECT_FALSE(
        EvaluateArithmetic(std::string("1+\0"
                                       "2",
                                       4)));
}

TEST(EvaluateArithmetic, DeepNestingGivesItsResultOrFailsWithoutExhaustingTheStack) {
    const std::size_t depth = 10'000;
    EXPECT_EQ(Result(std::string(depth, '(') + "6" + std::string(depth, ')') + "/4"), "1.5");
    std::string chain;
    for (std::size_t i = 0; i < depth; ++i) chain += "1-(";
    chain += "1" + std::string(depth, ')');
    EXPECT_EQ(Result(chain), "1");  // alternating 1 - (1 - (...)) over an odd count of ones
    EXPECT_EQ(Result(std::string(1 << 20, '-') + "2"), "2");
    EXPECT_EQ(Result(std::string(1 << 20, '(')), "(failed)");
    EXPECT_EQ(Result(std::string(1 << 20, '(') + "1" + std::string((1 << 20) - 1, ')')),
              "(failed)");
}

}  // namespace
}  // namespace kalamo
