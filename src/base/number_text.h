#pragma once

#include <string>
#include <string_view>

namespace kalamo {

// Full-width ASCII forms (GBK A3A1..A3FE) and the ideographic space become ASCII.
std::string MapFullWidthToAscii(std::string_view gbk);

// The leading decimal integer after full-width mapping and leading white space:
// "12px" -> 12, "600.5" -> 600, "-7" -> -7, "" or "abc" -> 0. Saturates at the int range.
int ReadInteger(std::string_view gbk);

}  // namespace kalamo
