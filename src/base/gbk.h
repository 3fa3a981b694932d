#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalamo {

// Text in the logic is GBK bytes; GB18030 is used for the conversions so that a
// character outside GBK survives the round trip instead of turning into "?".
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);

bool IsValidUtf8(std::string_view bytes);

// Byte length of the GB18030 character that starts at bytes[pos] (1, 2 or 4; 1 for a stray byte).
std::size_t GbkCharLength(std::string_view bytes, std::size_t pos);

// One unit of GB18030 text as an editor shows it: a line break (CR LF, a lone LF or a lone
// CR), a character exactly as glibc's iconv accepts it, or a stray byte that starts no
// character. The editor's mirror, its decoder and the fake editor all cut text by this rule.
struct GbkUnit {
    enum class Kind : std::uint8_t { Character, LineBreak, Stray };
    std::uint8_t bytes = 1;  // 1, 2 or 4
    std::uint8_t utf16 = 1;  // code units of the character: 2 beyond the BMP, else 1
    Kind kind = Kind::Character;
};
GbkUnit GbkUnitAt(std::string_view bytes, std::size_t pos);

// First code unit of the range that stands for a stray byte b (0x80-0xFF): the lone low
// surrogate U+DC00 + b, which no typed, pasted or dropped text can hold.
inline constexpr char16_t kStrayBase = 0xDC00;
inline bool IsStrayUnit(char16_t u) {
    return u >= kStrayBase + 0x80 && u <= kStrayBase + 0xFF;
}

// UTF-16 of GB18030 text, one or two code units per GbkUnit: a line break becomes
// `lineBreak`, a stray byte its reserved code unit.
std::u16string Gb18030ToUtf16Units(std::string_view bytes, char16_t lineBreak);
// The reverse: a reserved code unit gives its byte back (its offset goes to `strays`, when
// given), any other lone surrogate or unencodable character "?".
std::string Utf16UnitsToGb18030(std::u16string_view text,
                                std::vector<std::size_t>* strays = nullptr);

}  // namespace kalamo
