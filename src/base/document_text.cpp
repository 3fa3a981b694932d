#include "base/document_text.h"

#include <iconv.h>

#include <cerrno>
#include <optional>
#include <vector>

#include "base/gbk.h"

namespace kalamo {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";
constexpr const char* kGb18030 = "GB18030";
constexpr const char* kUtf8 = "UTF-8";

struct Converted {
    std::string out;
    bool complete = false;
};

// Converts until the first input it cannot convert exactly; `out` holds what came before it.
Converted ConvertStrict(std::string_view in, const char* to, const char* from) {
    Converted r;
    if (in.empty()) {
        r.complete = true;
        return r;
    }
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return r;
    r.out.resize(in.size() + in.size() / 2 + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::size_t done = 0;
    for (;;) {
        char* dst = r.out.data() + done;
        std::size_t dstLeft = r.out.size() - done;
        std::size_t result = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        done = r.out.size() - dstLeft;
        if (result != static_cast<std::size_t>(-1) || errno != E2BIG) break;
        r.out.resize(r.out.size() * 2);
    }
    iconv_close(cd);
    r.out.resize(done);
    r.complete = srcLeft == 0;
    return r;
}

// Text read from a file ends at its first zero byte.
std::string_view UpToZero(std::string_view bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

// Byte length of the valid GB18030 character at s[i] (1, 2 or 4), or 0 for an undecodable byte.
std::size_t Gb18030CharLength(std::string_view s, std::size_t i) {
    auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = at(i);
    if (c < 0x80) return 1;
    if (c == 0x80 || c == 0xFF || i + 1 >= s.size()) return 0;
    unsigned char c2 = at(i + 1);
    if ((c2 >= 0x40 && c2 <= 0x7E) || (c2 >= 0x80 && c2 <= 0xFE)) return 2;
    if (c2 < 0x30 || c2 > 0x39 || i + 3 >= s.size()) return 0;
    unsigned char c3 = at(i + 2);
    unsigned char c4 = at(i + 3);
    return c3 >= 0x81 && c3 <= 0xFE && c4 >= 0x30 && c4 <= 0x39 ? 4 : 0;
}

unsigned DoubleByteCode(std::string_view s, std::size_t i) {
    return static_cast<unsigned char>(s[i]) << 8 | static_cast<unsigned char>(s[i + 1]);
}

// Flags, by GB18030 double-byte code, Big5 level 1: the frequent traditional hanzi.
std::vector<bool> FrequentTraditional() {
    std::string big5;
    for (int lead = 0xA4; lead <= 0xC6; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if ((trail > 0x7E && trail < 0xA1) || (lead == 0xC6 && trail > 0x7E)) continue;
            big5 += static_cast<char>(lead);
            big5 += static_cast<char>(trail);
        }
    }
    std::vector<bool> flags(0x10000);
    const std::string gb = ConvertStrict(big5, kGb18030, "BIG5").out;
    for (std::size_t i = 0; i < gb.size();) {
        std::size_t n = Gb18030CharLength(gb, i);
        if (n == 2) flags[DoubleByteCode(gb, i)] = true;
        i += n == 0 ? 1 : n;
    }
    return flags;
}

int DoubleByteCost(unsigned code, const std::vector<bool>& traditional) {
    const unsigned lead = code >> 8;
    const unsigned trail = code & 0xFF;
    bool gb2312 = trail >= 0xA1 && lead >= 0xA1 && lead <= 0xF7 && (lead <= 0xA9 || lead >= 0xB0);
    bool frequent = (lead >= 0xB0 && lead <= 0xD7) || lead == 0xA1 || lead == 0xA3;
    if ((gb2312 && frequent) || traditional[code]) return 1;
    return gb2312 ? 2 : 3;
}

// How unlikely a GB18030 text is as something a person wrote: lower is more plausible.
std::size_t ReadingCost(std::string_view s, const std::vector<bool>& traditional) {
    std::size_t cost = 0;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t n = Gb18030CharLength(s, i);
        cost += n == 2 ? DoubleByteCost(DoubleByteCode(s, i), traditional) : n == 1 ? 1 : 4;
        i += n == 0 ? 1 : n;
    }
    return cost;
}

// In valid UTF-8 a byte from E0 up starts a character from U+0800 up.
bool HasCharacterFromU0800(std::string_view utf8) {
    for (char c : utf8)
        if (static_cast<unsigned char>(c) >= 0xE0) return true;
    return false;
}

// The text as GB18030 when it may be UTF-8: valid, holding a character from U+0800 up (GBK text
// mostly reads as two-byte UTF-8, if at all), and converting back to the same bytes.
std::optional<std::string> Utf8Candidate(std::string_view body) {
    if (!HasCharacterFromU0800(body) || !IsValidUtf8(body)) return std::nullopt;
    Converted r = ConvertStrict(body, kGb18030, kUtf8);
    if (!r.complete || ConvertStrict(r.out, kUtf8, kGb18030).out != body) return std::nullopt;
    return std::move(r.out);
}

struct Choice {
    TextEncoding encoding = TextEncoding::Gbk;
    std::string utf8Reading;  // the text, when the encoding is Utf8
};

Choice Choose(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) return {TextEncoding::Utf8Bom, {}};
    if (bytes.starts_with(kUtf16LeBom)) return {TextEncoding::Utf16LeBom, {}};
    if (bytes.starts_with(kUtf16BeBom)) return {TextEncoding::Utf16BeBom, {}};
    std::string_view body = UpToZero(bytes);
    std::optional<std::string> reading = Utf8Candidate(body);
    if (!reading) return {};
    const std::vector<bool> traditional = FrequentTraditional();
    if (ReadingCost(*reading, traditional) < ReadingCost(body, traditional))
        return {TextEncoding::Utf8, std::move(*reading)};
    return {};
}

// A file whose BOM names its encoding is read as far as it decodes and converts back exactly.
void DecodeDeclared(std::string_view body, const char* charset, DocumentText& doc) {
    Converted r = ConvertStrict(body, kGb18030, charset);
    doc.text = std::move(r.out);
    doc.cut = !r.complete;
    std::size_t zero = doc.text.find('\0');  // only U+0000 gives a zero byte in GB18030
    if (zero != std::string::npos) {
        doc.text.resize(zero);
        doc.cut = true;
    }
    if (!doc.cut && ConvertStrict(doc.text, charset, kGb18030).out != body) doc.cut = true;
}

void DecodeBody(std::string_view bytes, Choice& choice, DocumentText& doc) {
    switch (choice.encoding) {
        case TextEncoding::Gbk:
        case TextEncoding::Utf8: {
            std::string_view body = UpToZero(bytes);
            doc.text = choice.encoding == TextEncoding::Gbk ? std::string(body)
                                                            : std::move(choice.utf8Reading);
            doc.cut = body.size() < bytes.size();
            break;
        }
        case TextEncoding::Utf8Bom: {
            std::string_view rest = bytes.substr(kUtf8Bom.size());
            std::string_view body = UpToZero(rest);
            DecodeDeclared(body, kUtf8, doc);
            doc.cut = doc.cut || body.size() < rest.size();
            break;
        }
        case TextEncoding::Utf16LeBom:
            DecodeDeclared(bytes.substr(kUtf16LeBom.size()), "UTF-16LE", doc);
            break;
        case TextEncoding::Utf16BeBom:
            DecodeDeclared(bytes.substr(kUtf16BeBom.size()), "UTF-16BE", doc);
            break;
    }
}

struct LineEndCounts {
    std::size_t crLf = 0;
    std::size_t lf = 0;
    std::size_t cr = 0;
};

// GB18030 never uses CR or LF inside a character, so a byte scan finds every line break.
LineEndCounts CountLineEnds(std::string_view s) {
    LineEndCounts n;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n') {
            ++n.lf;
        } else if (s[i] == '\r') {
            bool pair = i + 1 < s.size() && s[i + 1] == '\n';
            ++(pair ? n.crLf : n.cr);
            i += pair ? 1 : 0;
        }
    }
    return n;
}

LineEnd Dominant(const LineEndCounts& n) {
    if (n.lf > n.crLf && n.lf >= n.cr) return LineEnd::Lf;
    if (n.cr > n.crLf && n.cr > n.lf) return LineEnd::Cr;
    return LineEnd::CrLf;
}

// Makes every line break "\r\n" and tells the style the text had.
LineEnd NormaliseLineEnds(std::string& text) {
    const LineEndCounts n = CountLineEnds(text);
    if (n.lf == 0 && n.cr == 0) return LineEnd::CrLf;
    std::string out;
    out.reserve(text.size() + n.lf + n.cr);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\r' && c != '\n') {
            out += c;
            continue;
        }
        out += "\r\n";
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    text = std::move(out);
    return Dominant(n);
}

std::string WithLineEnd(std::string_view text, LineEnd lineEnd) {
    if (lineEnd == LineEnd::CrLf) return std::string(text);
    const char brk = lineEnd == LineEnd::Lf ? '\n' : '\r';
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += brk;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string Utf16(std::string_view bom, std::string_view gb, const char* charset) {
    return std::string(bom) + ConvertStrict(GbkToUtf8(gb), charset, kUtf8).out;
}

}  // namespace

TextEncoding ChooseEncoding(std::string_view fileBytes) {
    return Choose(fileBytes).encoding;
}

DocumentText DecodeDocumentText(std::string_view fileBytes) {
    DocumentText doc;
    Choice choice = Choose(fileBytes);
    doc.format.encoding = choice.encoding;
    DecodeBody(fileBytes, choice, doc);
    doc.format.lineEnd = NormaliseLineEnds(doc.text);
    return doc;
}

std::string EncodeDocumentText(std::string_view text, const TextFormat& format) {
    std::string lines = WithLineEnd(text, format.lineEnd);
    switch (format.encoding) {
        case TextEncoding::Gbk:
            break;
        case TextEncoding::Utf8:
            return GbkToUtf8(lines);
        case TextEncoding::Utf8Bom:
            return std::string(kUtf8Bom) + GbkToUtf8(lines);
        case TextEncoding::Utf16LeBom:
            return Utf16(kUtf16LeBom, lines, "UTF-16LE");
        case TextEncoding::Utf16BeBom:
            return Utf16(kUtf16BeBom, lines, "UTF-16BE");
    }
    return lines;
}

}  // namespace kalamo
