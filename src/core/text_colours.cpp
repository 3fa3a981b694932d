#include "core/text_colours.h"

#include <iterator>

#include "base/number_text.h"

namespace kalamo {

Colour StoredTextColour(std::string_view stored) {
    constexpr Colour kBlack = Rgb(0, 0, 0);
    if (stored == "白色") return kTextColours[0];
    // Any other name was black; only a number picks an entry.
    if (MapFullWidthToAscii(stored).find_first_of("0123456789") == std::string::npos) return kBlack;
    const int entry = ReadInteger(stored);
    if (entry < 0 || entry >= static_cast<int>(std::size(kTextColours))) return kBlack;
    return kTextColours[entry];
}

}  // namespace kalamo
