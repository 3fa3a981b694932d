#include "base/document_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/gbk.h"

// Chinese literals here are GBK bytes; UTF-8 and UTF-16 are written out in escapes.
namespace kalamo {
namespace {

using namespace std::string_literals;

constexpr TextEncoding kGbk = TextEncoding::Gbk;
constexpr TextEncoding kUtf8 = TextEncoding::Utf8;
constexpr TextEncoding kUtf8Bom = TextEncoding::Utf8Bom;
constexpr TextEncoding kUtf16Le = TextEncoding::Utf16LeBom;
constexpr TextEncoding kUtf16Be = TextEncoding::Utf16BeBom;

// "第一章 风起\n“你来了？”他笑着说。OK 😀\n" in UTF-8.
const std::string kUtf8Chapter =
    "\xE7\xAC\xAC\xE4\xB8\x80\xE7\xAB\xA0 \xE9\xA3\x8E\xE8\xB5\xB7\n"
    "\xE2\x80\x9C\xE4\xBD\xA0\xE6\x9D\xA5\xE4\xBA\x86\xEF\xBC\x9F\xE2\x80\x9D\xE4\xBB\x96\xE7\xAC"
    "\x91\xE7\x9D\x80\xE8\xAF\xB4\xE3\x80\x82OK \xF0\x9F\x98\x80\n";
// "失败" in UTF-8: its GBK reading "澶辫触" is three GB2312 characters.
const std::string kUtf8Failure = "\xE5\xA4\xB1\xE8\xB4\xA5";
const std::string kUtf8BomBytes = "\xEF\xBB\xBF";
const std::string kUtf16LeBomBytes = "\xFF\xFE";
const std::string kUtf16BeBomBytes = "\xFE\xFF";

TEST(ChooseEncoding, GbkWhenGbkTextIsAlsoValidUtf8) {
    // Real GBK text whose bytes are valid UTF-8, with what the UTF-8 reading would show.
    const char* cases[] = {
        "为什么",    // "Ϊʲô": nothing from U+0800 up
        "同时思路",  // "ͬʱ˼·"
        "穹顶",      // one character in plane 7
        "黏胶",      // U+24F7A, outside GBK
        "窨井",      // one character in plane 7
        "頁碼",      // Hangul and "a"
        "陣圖",      // a Yi syllable and "D"
        "類別",      // a private-use character and "e"
        "鏈結",      // "朽Y": a frequent hanzi and a letter, the closest call
        "些鏈結",    // "Щ朽Y"
        "鑰種",      // "耷N"
    };
    for (const char* gbk : cases) {
        ASSERT_TRUE(IsValidUtf8(gbk)) << GbkToUtf8(gbk);
        EXPECT_EQ(ChooseEncoding(gbk), kGbk) << GbkToUtf8(gbk);
    }
}

TEST(ChooseEncoding, TheTextDecidesTheRest) {
    struct Case {
        std::string bytes;
        TextEncoding expected;
    } cases[] = {
        {"", kGbk},
        {"plain ASCII\r\n", kGbk},
        {"caf\xE9", kGbk},                    // Latin-1
        {"caf\xC3\xA9", kGbk},                // UTF-8 with nothing from U+0800 up: bytes kept
        {"\x81\xFF\x80", kGbk},               // undecodable either way
        {kUtf8Chapter, kUtf8},                // hanzi, punctuation, ASCII and an emoji
        {kUtf8Failure, kUtf8},                // its GBK reading is GB2312 but longer and rarer
        {"\xE7\xB9\xBC\xE7\xBA\x8C", kUtf8},  // "繼續": traditional
        {"Hello \xE2\x80\x94 world", kUtf8},  // one em dash in English
        {"\xF0\x9F\x98\x80", kUtf8},          // a lone emoji
        {kUtf8Failure + "\0\xFF"s, kUtf8},    // what follows a zero byte does not count
        {kUtf8BomBytes + "abc", kUtf8Bom},    // a BOM decides even for ASCII
        {kUtf8BomBytes + "\xFF", kUtf8Bom},   // and for a body that does not decode
        {kUtf16LeBomBytes + "a\0"s, kUtf16Le},
        {kUtf16BeBomBytes + "\0a"s, kUtf16Be},
    };
    for (const Case& c : cases) EXPECT_EQ(ChooseEncoding(c.bytes), c.expected) << c.bytes;
}

struct DecodeCase {
    std::string bytes;
    std::string text;
    TextEncoding encoding;
    LineEnd lineEnd;
    bool cut = false;
    bool mixed = false;  // line ends of more than one style
};

std::vector<DecodeCase> DecodeCases() {
    const LineEnd crLf = LineEnd::CrLf, lf = LineEnd::Lf, cr = LineEnd::Cr;
    return {
        {"", "", kGbk, crLf},
        {"一\r\n二\r\n", "一\r\n二\r\n", kGbk, crLf},
        {"一\n二\n", "一\r\n二\r\n", kGbk, lf},
        {"一\r二", "一\r\n二", kGbk, cr},
        {"\n\n", "\r\n\r\n", kGbk, lf},
        {"a\r\nb\nc\n", "a\r\nb\r\nc\r\n", kGbk, lf, false, true},
        {"a\nb\r\n", "a\r\nb\r\n", kGbk, crLf, false, true},
        {"a\rb\r\nc\r", "a\r\nb\r\nc\r\n", kGbk, cr, false, true},
        // Undecodable bytes stay, even a lead byte before a line break.
        {"\x81\n\xFF\x80 caf\xE9\n", "\x81\r\n\xFF\x80 caf\xE9\r\n", kGbk, lf},
        {"为什么\0尾巴"s, "为什么", kGbk, crLf, true},
        {"ab\0"s, "ab", kGbk, crLf, true},
        {kUtf8Chapter, "第一章 风起\r\n“你来了？”他笑着说。OK 😀\r\n", kUtf8, lf},
        {kUtf8Failure + "\xF0\xA0\x80\x80\xF4\x8F\xBF\xBF\r\n", "失败𠀀\U0010FFFF\r\n", kUtf8,
         crLf},
        {kUtf8Failure + "\0tail"s, "失败", kUtf8, crLf, true},
        {kUtf8BomBytes + "\xE4\xB8\xBA\xE4\xBB\x80\xE4\xB9\x88\r\n", "为什么\r\n", kUtf8Bom, crLf},
        {kUtf8BomBytes, "", kUtf8Bom, crLf},
        {kUtf8BomBytes + kUtf8Failure + "\xFF" + "abc", "失败", kUtf8Bom, crLf, true},
        {kUtf8BomBytes + kUtf8Failure + "\0abc"s, "失败", kUtf8Bom, crLf, true},
        {kUtf16LeBomBytes + "\x3A\x4E\xC0\x4E\x48\x4E\r\0\n\0\x3D\xD8\x00\xDE"s, "为什么\r\n😀",
         kUtf16Le, crLf},
        {kUtf16BeBomBytes + "\x4E\x00\0\n\x4E\x8C"s, "一\r\n二", kUtf16Be, lf},
        {kUtf16LeBomBytes, "", kUtf16Le, crLf},
        {kUtf16LeBomBytes + "A\0B\0C"s, "AB", kUtf16Le, crLf, true},              // odd last byte
        {kUtf16LeBomBytes + "A\0\x00\xD8"s + "B\0"s, "A", kUtf16Le, crLf, true},  // lone surrogate
        {kUtf16LeBomBytes + "A\0\0\0B\0"s, "A", kUtf16Le, crLf, true},            // U+0000
    };
}

TEST(DecodeDocumentText, GivesGbkTextWithCrLfBreaksAndTheFormat) {
    for (const DecodeCase& c : DecodeCases()) {
        DocumentText d = DecodeDocumentText(c.bytes);
        EXPECT_EQ(d.text, c.text) << c.bytes;
        EXPECT_EQ(d.format.encoding, c.encoding) << c.bytes;
        EXPECT_EQ(d.format.lineEnd, c.lineEnd) << c.bytes;
        EXPECT_EQ(d.cut, c.cut) << c.bytes;
    }
}

TEST(DecodeDocumentText, AFileInOneLineEndStyleComesBackByteForByte) {
    for (const DecodeCase& c : DecodeCases()) {
        if (c.cut || c.mixed) continue;
        DocumentText d = DecodeDocumentText(c.bytes);
        EXPECT_EQ(EncodeDocumentText(d.text, d.format), c.bytes);
    }
}

// Random files built from GBK, UTF-8, stray bytes and one kind of line break.
TEST(DecodeDocumentText, RandomFilesComeBackByteForByteUnlessCut) {
    const std::vector<std::string> pieces = {
        "为什么",       "穹顶", "鏈結", kUtf8Failure,   "\xF0\x9F\x98\x80",
        "\xE2\x80\x94", "abc",  " ",    "\xFF",         "\x80",
        "\x81",         "\xE5", "\xA4", "\xEF\xBB\xBF", "\0"s};
    const char* breaks[] = {"\r\n", "\n", "\r"};
    std::mt19937 random(5);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        const char* brk = breaks[random() % 3];
        for (int n = random() % 12; n > 0; --n)
            bytes += random() % 5 == 0 ? brk : pieces[random() % pieces.size()];
        DocumentText d = DecodeDocumentText(bytes);
        if (d.cut) continue;
        EXPECT_EQ(EncodeDocumentText(d.text, d.format), bytes);
    }
}

TEST(EncodeDocumentText, WritesEachCrLfInTheStyleAndLeavesLoneBreaksAlone) {
    EXPECT_EQ(EncodeDocumentText("一\r\n\n\r", {kGbk, LineEnd::Lf}), "一\n\n\r");
    EXPECT_EQ(EncodeDocumentText("一\r\n", {kUtf8Bom, LineEnd::Cr}), "\xEF\xBB\xBF\xE4\xB8\x80\r");
    EXPECT_EQ(EncodeDocumentText("一\r\n", {kUtf16Be, LineEnd::CrLf}), "\xFE\xFF\x4E\x00\0\r\0\n"s);
}

}  // namespace
}  // namespace kalamo
