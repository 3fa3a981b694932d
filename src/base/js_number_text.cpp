#include "base/js_number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace kalamo {

namespace {

// The shortest digits d1 d2 ... dk of a positive finite value and the place of its decimal
// point: value = 0.d1d2...dk × 10^n.
struct Decimal {
    std::string digits;
    int n = 0;
};

Decimal ShortestDecimal(double positive) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, positive, std::chars_format::scientific).ptr;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    Decimal d;
    d.digits = text.substr(0, 1);
    if (e > 1) d.digits += text.substr(2, e - 2);
    const bool negative = text[e + 1] == '-';
    int exponent = 0;
    std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
    d.n = (negative ? -exponent : exponent) + 1;
    return d;
}

}  // namespace

std::string JsNumberText(double value) {
    if (std::isnan(value)) return "NaN";
    if (value == 0) return "0";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    const std::string sign = value < 0 ? "-" : "";
    const Decimal d = ShortestDecimal(std::fabs(value));
    const int k = static_cast<int>(d.digits.size());
    const int n = d.n;
    if (k <= n && n <= 21) return sign + d.digits + std::string(n - k, '0');
    if (0 < n && n <= 21) return sign + d.digits.substr(0, n) + "." + d.digits.substr(n);
    if (-6 < n && n <= 0) return sign + "0." + std::string(-n, '0') + d.digits;
    const int exponent = n - 1;
    std::string text = sign + d.digits.substr(0, 1);
    if (k > 1) text += "." + d.digits.substr(1);
    return text + (exponent < 0 ? "e-" : "e+") + std::to_string(std::abs(exponent));
}

}  // namespace kalamo
