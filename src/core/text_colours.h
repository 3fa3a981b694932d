#pragma once

#include <string_view>

#include "ui/ui_types.h"

namespace kalamo {

// The editor text colours of the list 文本颜色, by entry.
inline constexpr Colour kTextColours[] = {
    Rgb(0xFF, 0xFF, 0xFF), Rgb(0x00, 0x00, 0x00), Rgb(0x62, 0xB6, 0xF4), Rgb(0x62, 0xF7, 0x69),
    Rgb(0xF7, 0x83, 0x1A), Rgb(0x80, 0x00, 0xFF), Rgb(0xBF, 0x00, 0x00),
};

// The colour a stored 文本设置 / 文本颜色 stands for: an entry's index, or the name "白色"
// that older files hold. Nothing stored, or no such entry, is black.
Colour StoredTextColour(std::string_view stored);

}  // namespace kalamo
