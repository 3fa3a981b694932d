#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kalamo {

// The text of an INI file of GBK bytes, one key at a time. Lookups follow the Windows
// profile service: blanks (bytes 1..32) around names and values are ignored, names match
// without regard to ASCII case, one pair of quotes enclosing a value is dropped. An update
// replaces only the key's line and keeps every other line byte for byte.
class IniText {
  public:
    static constexpr std::size_t kMaxValueBytes = 10239;

    // "" for a missing section or key, and for a blank section or key.
    static std::string Lookup(std::string_view content, std::string_view section,
                              std::string_view key);
    // The content with the key set; nullopt when the names cannot be written as one line.
    static std::optional<std::string> Update(std::string_view content, std::string_view section,
                                             std::string_view key, std::string_view value);
    // A blank name reads as nothing and cannot be written.
    static bool IsBlankName(std::string_view name);
    // A path as the profile service takes it: up to a NUL, leading blanks dropped.
    static std::string CleanPath(std::string_view path);

    // A value of any bytes as text a lookup gives back unchanged: as it is when it
    // already survives, else kEscapeMarker followed by upper-case hex. Unescape gives
    // anything that is not exactly that form back as it is.
    static constexpr std::string_view kEscapeMarker = "~hex:";
    static std::string EscapeValue(std::string_view value);
    static std::string UnescapeValue(std::string_view stored);
};

}  // namespace kalamo
