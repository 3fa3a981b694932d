#include "base/gbk.h"

#include <iconv.h>

#include <bit>
#include <cerrno>
#include <cstring>

namespace kalamo {
namespace {

// Converts whole input; an undecodable byte is passed on as U+FFFD / "?" rather than dropped.
std::string Convert(std::string_view in, const char* to, const char* from, std::string_view bad) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    std::string out;
    out.resize(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::size_t done = 0;
    while (srcLeft > 0) {
        char* dst = out.data() + done;
        std::size_t dstLeft = out.size() - done;
        std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        done = out.size() - dstLeft;
        if (r != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
        } else {  // EILSEQ or EINVAL: replace one byte and go on
            if (out.size() - done < bad.size()) out.resize(out.size() * 2 + bad.size());
            out.replace(done, bad.size(), bad);
            done += bad.size();
            ++src;
            --srcLeft;
        }
    }
    iconv_close(cd);
    out.resize(done);
    return out;
}

// One iconv conversion, opened once for a whole text.
class Iconv {
  public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (ok()) iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Appends the conversion of all of `in`; false, with `out` as before, when any of it fails.
    bool append(std::string_view in, std::string& out) {
        if (!ok()) return false;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        const std::size_t before = out.size();
        // Between GB18030 and UTF-16 a text at most doubles.
        out.resize(before + in.size() * 2 + 8);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        std::size_t done = before;
        while (true) {
            char* dst = out.data() + done;
            std::size_t dstLeft = out.size() - done;
            const std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            done = out.size() - dstLeft;
            if (r != static_cast<std::size_t>(-1) && srcLeft == 0) break;
            if (r == static_cast<std::size_t>(-1) && errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            out.resize(before);
            return false;
        }
        out.resize(done);
        return true;
    }

  private:
    iconv_t cd_;
};

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

using Kind = GbkUnit::Kind;

// The four-byte codes glibc accepts: three runs in the BMP (it refuses the codes of the few
// characters GB18030-2005 moved to two-byte codes) and the planes beyond it.
bool IsBmpFourByteCode(std::uint32_t code) {
    return (code >= 0x81308130 && code <= 0x82359036) ||
           (code >= 0x82359135 && code <= 0x84318235) || (code >= 0x84318336 && code <= 0x8431A439);
}

bool IsSupplementaryFourByteCode(std::uint32_t code) {
    return code >= 0x90308130 && code <= 0xE3329A35;
}

// Two-byte codes that glibc decodes to characters beyond the BMP.
bool IsSupplementaryTwoByteCode(unsigned char lead, unsigned char trail) {
    if (lead != 0xFE) return false;
    switch (trail) {
        case 0x51:
        case 0x52:
        case 0x53:
        case 0x6C:
        case 0x76:
        case 0x91:
            return true;
        default:
            return false;
    }
}

// Code units a unit stands for in a run handed to iconv: a line break keeps its bytes there.
std::size_t RunUnits(const GbkUnit& u) {
    return u.kind == Kind::LineBreak ? u.bytes : u.utf16;
}

void AppendUtf16(const std::string& raw, std::size_t from, std::size_t units, std::u16string& out) {
    const std::size_t at = out.size();
    out.resize(at + units);
    std::memcpy(out.data() + at, raw.data() + from * 2, units * 2);
}

// Decodes bytes[from, to), a run of characters and line breaks, unit for unit. Within such
// a run only the bytes CR and LF decode to CR and LF, so the breaks fold in UTF-16.
void DecodeRun(Iconv& cd, std::string_view bytes, std::size_t from, std::size_t to,
               std::size_t runUnits, char16_t lineBreak, std::u16string& out, std::string& raw) {
    raw.clear();
    if (cd.append(bytes.substr(from, to - from), raw) && raw.size() == runUnits * 2) {
        const std::size_t at = out.size();
        out.resize(at + runUnits);
        std::memcpy(out.data() + at, raw.data(), raw.size());
        std::size_t kept = at;
        for (std::size_t i = at; i < at + runUnits; ++i) {
            const char16_t u = out[i];
            if (u == u'\r' || u == u'\n') {
                out[kept++] = lineBreak;
                if (u == u'\r' && i + 1 < at + runUnits && out[i + 1] == u'\n') ++i;
            } else {
                out[kept++] = u;
            }
        }
        out.resize(kept);
        return;
    }
    // iconv disagrees with the rule somewhere in this run: decode unit by unit, and keep the
    // count of code units even for a character it refuses.
    for (std::size_t pos = from; pos < to;) {
        const GbkUnit u = GbkUnitAt(bytes.substr(0, to), pos);
        std::string one;
        if (u.kind == Kind::LineBreak)
            out.push_back(lineBreak);
        else if (cd.append(bytes.substr(pos, u.bytes), one) && one.size() == u.utf16 * 2u)
            AppendUtf16(one, 0, u.utf16, out);
        else
            out.append(u.utf16, u'\uFFFD');
        pos += u.bytes;
    }
}

// True when `bytes` cut by GbkUnitAt holds characters and line breaks for exactly `units`
// code units of the text they came from.
bool EncodesUnits(std::string_view bytes, std::size_t units) {
    std::size_t seen = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const GbkUnit u = GbkUnitAt(bytes, pos);
        if (u.kind == Kind::Stray) return false;
        seen += RunUnits(u);
        pos += u.bytes;
    }
    return seen == units;
}

std::string_view Utf16Bytes(std::u16string_view text) {
    return {reinterpret_cast<const char*>(text.data()), text.size() * 2};
}

// Encodes text without lone surrogates; a character iconv cannot encode as one unit of the
// rule becomes "?" per code unit, so the count of units stays.
void EncodeRun(Iconv& cd, std::u16string_view run, std::string& out) {
    const std::size_t before = out.size();
    if (cd.append(Utf16Bytes(run), out) &&
        EncodesUnits(std::string_view(out).substr(before), run.size()))
        return;
    out.resize(before);
    for (std::size_t i = 0; i < run.size();) {
        const std::size_t n = (i + 1 < run.size() && run[i] >= 0xD800 && run[i] < 0xDC00) ? 2 : 1;
        const std::size_t at = out.size();
        if (!cd.append(Utf16Bytes(run.substr(i, n)), out) ||
            !EncodesUnits(std::string_view(out).substr(at), n) ||
            GbkUnitAt(out, at).bytes != out.size() - at) {
            out.resize(at);
            out.append(n, '?');
        }
        i += n;
    }
}

bool IsHigh(char16_t u) {
    return u >= 0xD800 && u < 0xDC00;
}

bool IsLow(char16_t u) {
    return u >= 0xDC00 && u < 0xE000;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
    return Convert(gbk, "UTF-8", "GB18030", "\xEF\xBF\xBD");
}

std::string Utf8ToGbk(std::string_view utf8) {
    return Convert(utf8, "GB18030", "UTF-8", "?");
}

bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80         ? 1
                        : (c >> 5) == 6  ? 2
                        : (c >> 4) == 14 ? 3
                        : (c >> 3) == 30 ? 4
                                         : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        if (n == 2 && c < 0xC2) return false;
        i += n;
    }
    return true;
}

std::size_t GbkCharLength(std::string_view s, std::size_t pos) {
    auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    if (pos >= s.size()) return 0;
    unsigned char c = at(pos);
    if (c < 0x81 || c == 0xFF || pos + 1 >= s.size()) return 1;
    unsigned char c2 = at(pos + 1);
    if (c2 >= 0x30 && c2 <= 0x39) return pos + 3 < s.size() ? 4 : 1;
    return 2;
}

GbkUnit GbkUnitAt(std::string_view s, std::size_t pos) {
    auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[pos + k]); };
    constexpr GbkUnit kStray{1, 1, Kind::Stray};
    const std::size_t left = s.size() - pos;
    const unsigned char lead = at(0);
    if (lead < 0x80) {
        if (lead == '\r' && left > 1 && at(1) == '\n') return {2, 1, Kind::LineBreak};
        return {1, 1, lead == '\n' || lead == '\r' ? Kind::LineBreak : Kind::Character};
    }
    if (lead == 0x80 || lead == 0xFF || left < 2) return kStray;
    const unsigned char second = at(1);
    if (second >= 0x30 && second <= 0x39) {
        if (left < 4 || at(2) < 0x81 || at(2) > 0xFE || at(3) < 0x30 || at(3) > 0x39) return kStray;
        const std::uint32_t code = static_cast<std::uint32_t>(lead) << 24 |
                                   static_cast<std::uint32_t>(second) << 16 |
                                   static_cast<std::uint32_t>(at(2)) << 8 | at(3);
        if (IsBmpFourByteCode(code)) return {4, 1, Kind::Character};
        if (IsSupplementaryFourByteCode(code)) return {4, 2, Kind::Character};
        return kStray;
    }
    if ((second >= 0x40 && second <= 0x7E) || (second >= 0x80 && second <= 0xFE))
        return {2, static_cast<std::uint8_t>(IsSupplementaryTwoByteCode(lead, second) ? 2 : 1),
                Kind::Character};
    return kStray;
}

std::u16string Gb18030ToUtf16Units(std::string_view bytes, char16_t lineBreak) {
    std::u16string out;
    if (bytes.empty()) return out;
    out.reserve(bytes.size());
    Iconv cd(kUtf16, "GB18030");
    std::string raw;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        GbkUnit u = GbkUnitAt(bytes, pos);
        if (u.kind == Kind::Stray) {
            out.push_back(
                static_cast<char16_t>(kStrayBase + static_cast<unsigned char>(bytes[pos])));
            ++pos;
            continue;
        }
        // A run up to the next stray byte goes to iconv at once.
        std::size_t end = pos;
        std::size_t units = 0;
        while (true) {
            units += RunUnits(u);
            end += u.bytes;
            if (end >= bytes.size()) break;
            u = GbkUnitAt(bytes, end);
            if (u.kind == Kind::Stray) break;
        }
        DecodeRun(cd, bytes, pos, end, units, lineBreak, out, raw);
        pos = end;
    }
    return out;
}

std::string Utf16UnitsToGb18030(std::u16string_view text, std::vector<std::size_t>* strays) {
    std::string out;
    if (text.empty()) return out;
    out.reserve(text.size() * 2);
    Iconv cd("GB18030", kUtf16);
    std::size_t i = 0;
    while (i < text.size()) {
        const bool pair = IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1]);
        if (!pair && (IsHigh(text[i]) || IsLow(text[i]))) {
            if (IsStrayUnit(text[i])) {
                if (strays) strays->push_back(out.size());
                out.push_back(static_cast<char>(text[i] - kStrayBase));
            } else {
                out.push_back('?');
            }
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size()) {
            if (IsHigh(text[end]) && end + 1 < text.size() && IsLow(text[end + 1]))
                end += 2;
            else if (IsHigh(text[end]) || IsLow(text[end]))
                break;
            else
                ++end;
        }
        EncodeRun(cd, text.substr(i, end - i), out);
        i = end;
    }
    return out;
}

}  // namespace kalamo
