#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kalamo {

// One INI file of GBK text, read and written one key at a time at the moment of use.
// Lookups follow the Windows profile service: blanks (bytes 1..32) around names and
// values are ignored, names match without regard to ASCII case, one pair of quotes
// enclosing a value is dropped. Writes replace only the key's line and keep every other
// line byte for byte; they run under a lock on the file's folder and replace the file
// atomically, so concurrent programs never lose each other's keys.
class IniFile {
  public:
    static constexpr std::size_t kMaxValueBytes = 10239;

    explicit IniFile(std::string path) : path_(std::move(path)) {}

    // "" for a missing file, section or key, and for a blank path, section or key.
    std::string read(std::string_view section, std::string_view key) const;
    // False when nothing was written: a read-only file, a missing folder, a folder in the
    // file's place, an unreadable file, or a name that cannot be written as one line.
    bool write(std::string_view section, std::string_view key, std::string_view value);

    // The text rules alone, without a file.
    static std::string Lookup(std::string_view content, std::string_view section,
                              std::string_view key);
    // The content with the key set; nullopt when the names cannot be written.
    static std::optional<std::string> Update(std::string_view content, std::string_view section,
                                             std::string_view key, std::string_view value);

    // A value of any bytes as text a lookup gives back unchanged: as it is when it
    // already survives, else kEscapeMarker followed by upper-case hex. Unescape gives
    // anything that is not exactly that form back as it is.
    static constexpr std::string_view kEscapeMarker = "~hex:";
    static std::string EscapeValue(std::string_view value);
    static std::string UnescapeValue(std::string_view stored);

  private:
    std::string path_;
};

}  // namespace kalamo
