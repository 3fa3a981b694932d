#include "base/gbk.h"

#include <iconv.h>

#include <cerrno>

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

}  // namespace kalamo
