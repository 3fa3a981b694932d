#pragma once

#include <optional>
#include <string_view>

namespace kalamo {

// The value of an arithmetic expression written in GBK; it never runs anything. It takes
// decimal numbers (12, 6220.8, .5, 5., 1e3, 2.5E-3), + - * / and the signs × ÷, unary + and
// -, parentheses, the full-width forms of all these (＋－＊／（）０-９．ｅ) and the minus
// sign −, with blanks, tabs, line breaks or the ideographic space between tokens. The usual
// precedence, left to right; IEEE arithmetic, so 1/0 is infinite and 0/0 not a number.
// Anything else gives nothing. Time and memory grow linearly with the text, and no nesting
// can exhaust the call stack.
std::optional<double> EvaluateArithmetic(std::string_view gbk);

}  // namespace kalamo
