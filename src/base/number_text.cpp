#include "base/number_text.h"

#include <climits>

#include "base/gbk.h"

namespace kalamo {

std::string MapFullWidthToAscii(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t n = GbkCharLength(s, i);
        auto b0 = static_cast<unsigned char>(s[i]);
        auto b1 = n == 2 ? static_cast<unsigned char>(s[i + 1]) : 0;
        if (n == 2 && b0 == 0xA3 && b1 >= 0xA1 && b1 <= 0xFE) {
            out.push_back(static_cast<char>(b1 - 0x80));
        } else if (n == 2 && b0 == 0xA1 && b1 == 0xA1) {
            out.push_back(' ');
        } else {
            out.append(s.substr(i, n));
        }
        i += n;
    }
    return out;
}

int ReadInteger(std::string_view gbk) {
    std::string s = MapFullWidthToAscii(gbk);
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    long long value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = value * 10 + (s[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}

}  // namespace kalamo
