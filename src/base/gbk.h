#pragma once

#include <string>
#include <string_view>

namespace kalamo {

// Text in the logic is GBK bytes; GB18030 is used for the conversions so that a
// character outside GBK survives the round trip instead of turning into "?".
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);

bool IsValidUtf8(std::string_view bytes);

// Byte length of the GB18030 character that starts at bytes[pos] (1, 2 or 4; 1 for a stray byte).
std::size_t GbkCharLength(std::string_view bytes, std::size_t pos);

}  // namespace kalamo
