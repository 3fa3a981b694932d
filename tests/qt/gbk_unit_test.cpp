// The rule that cuts GB18030 bytes into the editor's units, checked against glibc's iconv on
// every sequence: the widget holds one code unit per unit (two beyond the BMP) only if the
// rule and the decoder agree everywhere.
#include <gtest/gtest.h>
#include <iconv.h>

#include <sstream>
#include <string>

#include "base/gbk.h"

namespace kalamo::test {
namespace {

using Kind = GbkUnit::Kind;

// UTF-16 code units iconv decodes `bytes` to as a whole, or -1 when it refuses them.
class IconvProbe {
  public:
    IconvProbe() : cd_(iconv_open("UTF-16LE", "GB18030")) {}
    ~IconvProbe() { iconv_close(cd_); }
    int units(const std::string& bytes) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char out[16];
        char* src = const_cast<char*>(bytes.data());
        char* dst = out;
        std::size_t srcLeft = bytes.size(), dstLeft = sizeof out;
        const std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
        if (r == static_cast<std::size_t>(-1) || srcLeft != 0) return -1;
        return static_cast<int>((sizeof out - dstLeft) / 2);
    }

  private:
    iconv_t cd_;
};

// The rule reads the whole sequence as one character exactly when iconv decodes it as one.
void ExpectAgreement(IconvProbe& probe, const std::string& bytes, int& mismatches) {
    const int units = probe.units(bytes);
    const GbkUnit unit = GbkUnitAt(bytes, 0);
    const bool whole = unit.bytes == bytes.size() && unit.kind != Kind::Stray;
    const bool agrees = units < 0 ? !whole : whole && unit.utf16 == units;
    if (!agrees && ++mismatches <= 10) {
        std::ostringstream hex;
        for (unsigned char b : bytes) hex << " " << std::hex << int{b};
        ADD_FAILURE() << "bytes" << hex.str() << ": iconv " << units << ", rule " << int{unit.bytes}
                      << "/" << int{unit.utf16};
    }
}

TEST(GbkUnitTest, TheRuleAgreesWithIconvOnEverySequence) {
    IconvProbe probe;
    int mismatches = 0;
    for (int a = 0; a < 256; ++a) {
        ExpectAgreement(probe, std::string(1, static_cast<char>(a)), mismatches);
        if (a < 0x81 || a == 0xFF) continue;
        for (int b = 0; b < 256; ++b) {
            const std::string two{static_cast<char>(a), static_cast<char>(b)};
            ExpectAgreement(probe, two, mismatches);
            if (b < 0x30 || b > 0x39) continue;
            std::string four = two + "..";
            for (int c = 0x80; c <= 0xFF; ++c) {
                four[2] = static_cast<char>(c);
                for (int d = 0x2F; d <= 0x3A; ++d) {
                    four[3] = static_cast<char>(d);
                    ExpectAgreement(probe, four, mismatches);
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(GbkUnitAt("\r\n", 0).kind, Kind::LineBreak);
    EXPECT_EQ(GbkUnitAt("\r\n", 0).bytes, 2);
    EXPECT_EQ(GbkUnitAt("\n\r", 0).bytes, 1);
    EXPECT_EQ(GbkUnitAt("\r\r\n", 0).bytes, 1);
}

// Whatever the user types encodes to one unit of the rule that decodes back to it, or, for
// the few private-use code points glibc cannot encode, to one "?" per code unit.
TEST(GbkUnitTest, TypedCharactersEncodeToOneUnitAndBack) {
    int refused = 0;
    for (char32_t c = 0; c <= 0x10FFFF; c += c < 0x10000 ? 1 : 13) {
        if ((c >= 0xD800 && c < 0xE000) || c == '\r' || c == '\n') continue;
        std::u16string text;
        if (c < 0x10000) {
            text += static_cast<char16_t>(c);
        } else {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
        const std::string bytes = Utf16UnitsToGb18030(text);
        if (bytes == std::string(text.size(), '?') && c != '?') {
            ++refused;
            continue;
        }
        const GbkUnit unit = GbkUnitAt(bytes, 0);
        ASSERT_TRUE(unit.bytes == bytes.size() && unit.kind == Kind::Character &&
                    unit.utf16 == text.size())
            << std::hex << static_cast<unsigned>(c);
        ASSERT_TRUE(Gb18030ToUtf16Units(bytes, u'\n') == text)
            << std::hex << static_cast<unsigned>(c);
    }
    EXPECT_LT(refused, 40);
}

// A byte that starts no character rides as its reserved code unit and comes back; a lone
// surrogate that is not one of them cannot be encoded.
TEST(GbkUnitTest, StrayBytesTravelAsReservedCodeUnits) {
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string stray(1, static_cast<char>(b));
        const std::u16string units = Gb18030ToUtf16Units(stray + "\n", u'\x2029');
        const std::u16string want{static_cast<char16_t>(0xDC00 + b), u'\x2029'};
        ASSERT_TRUE(units == want) << b;
        std::vector<std::size_t> strays;
        EXPECT_TRUE(Utf16UnitsToGb18030(units.substr(0, 1), &strays) == stray) << b;
        EXPECT_EQ(strays, std::vector<std::size_t>{0}) << b;
    }
    const std::u16string lone{u'a', 0xDC41, 0xD83D, u'b', 0xDE00};
    EXPECT_EQ(Utf16UnitsToGb18030(lone), "a??b?");
    // A pair is one character even when its low half lies in the reserved range.
    const std::u16string pair{0xD840, 0xDC87};
    EXPECT_EQ(Utf16UnitsToGb18030(pair), "\xFE\x51");
}

}  // namespace
}  // namespace kalamo::test
