#include "base/ini_text.h"

#include "base/gbk.h"

namespace kalamo {
namespace {

bool IsBlank(char c) {
    auto u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}

std::string_view UpToNul(std::string_view s) {
    return s.substr(0, s.find('\0'));
}

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    return s;
}

std::string_view Trim(std::string_view s) {
    s = TrimLeft(s);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Names as callers pass them. Trailing blanks go too: names in the file are trimmed on
// both sides, so a name with trailing blanks could otherwise be written but never found.
std::string_view CleanName(std::string_view s) {
    return Trim(UpToNul(s));
}

unsigned char FoldAscii(char c) {
    auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u + 32) : u;
}

// ASCII case is ignored only in single-byte characters: the second byte of a GBK
// character may look like a letter, and folding it would make two characters equal.
bool NamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    std::size_t i = 0;
    while (i < a.size()) {
        std::size_t n = GbkCharLength(a, i);
        if (n == 1) {
            if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
        } else if (a.substr(i, n) != b.substr(i, n)) {
            return false;
        }
        i += n;
    }
    return true;
}

struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;   // before the CR LF or LF
    std::size_t next = 0;  // after it
};

// Splits at LF; a CR before the LF belongs to the break.
class Lines {
  public:
    explicit Lines(std::string_view content) : content_(content) {}
    bool next(Line* line) {
        if (pos_ >= content_.size()) return false;
        std::size_t lf = content_.find('\n', pos_);
        line->begin = pos_;
        line->end = lf == std::string_view::npos ? content_.size() : lf;
        line->next = lf == std::string_view::npos ? content_.size() : lf + 1;
        if (line->end > line->begin && content_[line->end - 1] == '\r') --line->end;
        pos_ = line->next;
        return true;
    }

  private:
    std::string_view content_;
    std::size_t pos_ = 0;
};

// The name of a section header line, or nullopt for any other line.
std::optional<std::string_view> HeaderName(std::string_view text) {
    text = TrimLeft(text);
    if (text.empty() || text.front() != '[') return std::nullopt;
    text.remove_prefix(1);
    return Trim(text.substr(0, text.find(']')));
}

struct Scan {
    bool sectionFound = false;
    std::size_t insertAt = 0;  // after the section's last non-blank line
    bool keyFound = false;
    Line keyLine;
    std::size_t equals = 0;  // position of the key line's '='
};

// Only the first section of the name counts, and the first key of the name in it.
Scan Find(std::string_view content, std::string_view section, std::string_view key) {
    Scan scan;
    Lines lines(content);
    Line line;
    bool inside = false;
    while (lines.next(&line)) {
        std::string_view text = content.substr(line.begin, line.end - line.begin);
        if (auto name = HeaderName(text)) {
            if (inside) break;
            if (NamesEqual(*name, section)) {
                inside = scan.sectionFound = true;
                scan.insertAt = line.next;
            }
            continue;
        }
        if (!inside || Trim(text).empty()) continue;
        scan.insertAt = line.next;
        std::size_t eq = text.find('=');
        if (eq != std::string_view::npos && NamesEqual(Trim(text.substr(0, eq)), key)) {
            scan.keyFound = true;
            scan.keyLine = line;
            scan.equals = line.begin + eq;
            break;
        }
    }
    return scan;
}

std::string_view LineBreakOf(std::string_view content) {
    std::size_t lf = content.find('\n');
    return lf != std::string_view::npos && lf > 0 && content[lf - 1] == '\r' ? "\r\n" : "\n";
}

// Names that would split the line or read back as another line kind.
bool CanWrite(std::string_view section, std::string_view key) {
    if (section.empty() || key.empty()) return false;
    if (section.find_first_of("]\r\n") != std::string_view::npos) return false;
    return key.find_first_of("=\r\n") == std::string_view::npos && key.front() != '[';
}

bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

int HexValue(char c) {
    return c <= '9' ? c - '0' : c - 'A' + 10;
}

// True when Update followed by Lookup gives the value back unchanged.
bool SurvivesAsIs(std::string_view v) {
    if (v.size() > IniText::kMaxValueBytes) return false;
    if (v.find_first_of(std::string_view("\0\r\n", 3)) != std::string_view::npos) return false;
    if (v.rfind(IniText::kEscapeMarker, 0) == 0) return false;
    if (v.empty()) return true;
    if (IsBlank(v.front()) || IsBlank(v.back())) return false;
    return !(v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\''));
}

}  // namespace

std::string IniText::Lookup(std::string_view content, std::string_view section,
                            std::string_view key) {
    section = CleanName(section);
    key = CleanName(key);
    if (section.empty() || key.empty()) return {};
    Scan scan = Find(content, section, key);
    if (!scan.keyFound) return {};
    std::string_view value =
        Trim(content.substr(scan.equals + 1, scan.keyLine.end - scan.equals - 1));
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\'')) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, kMaxValueBytes));
}

std::optional<std::string> IniText::Update(std::string_view content, std::string_view section,
                                           std::string_view key, std::string_view value) {
    section = CleanName(section);
    key = CleanName(key);
    if (!CanWrite(section, key)) return std::nullopt;
    // One line only: a break in the value would start lines of its own.
    value = value.substr(0, value.find_first_of(std::string_view("\0\r\n", 3)));
    std::string_view nl = LineBreakOf(content);
    Scan scan = Find(content, section, key);
    std::string out;
    out.reserve(content.size() + section.size() + key.size() + value.size() + 8);
    if (scan.keyFound) {
        out.append(content.substr(0, scan.equals + 1));
        out.append(value);
        out.append(content.substr(scan.keyLine.end));
        return out;
    }
    std::size_t at = scan.sectionFound ? scan.insertAt : content.size();
    out.append(content.substr(0, at));
    if (!out.empty() && out.back() != '\n') out.append(nl);
    if (!scan.sectionFound) out.append("[").append(section).append("]").append(nl);
    out.append(key).append("=").append(value).append(nl);
    out.append(content.substr(at));
    return out;
}

bool IniText::IsBlankName(std::string_view name) {
    return CleanName(name).empty();
}

std::string IniText::CleanPath(std::string_view path) {
    return std::string(TrimLeft(UpToNul(path)));
}

std::string IniText::EscapeValue(std::string_view value) {
    if (SurvivesAsIs(value)) return std::string(value);
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out(kEscapeMarker);
    out.reserve(out.size() + value.size() * 2);
    for (char c : value) {
        auto u = static_cast<unsigned char>(c);
        out.push_back(kDigits[u >> 4]);
        out.push_back(kDigits[u & 15]);
    }
    return out;
}

std::string IniText::UnescapeValue(std::string_view stored) {
    if (stored.rfind(kEscapeMarker, 0) != 0) return std::string(stored);
    std::string_view hex = stored.substr(kEscapeMarker.size());
    if (hex.empty() || hex.size() % 2 != 0) return std::string(stored);
    std::string out;
    out.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        if (!IsHex(hex[i]) || !IsHex(hex[i + 1])) return std::string(stored);
        out.push_back(static_cast<char>(HexValue(hex[i]) * 16 + HexValue(hex[i + 1])));
    }
    return out;
}

}  // namespace kalamo
