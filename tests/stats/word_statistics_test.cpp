#include "stats/word_statistics.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "base/gbk.h"

namespace kalamo {
namespace {

struct CountCase {
    const char* what;
    std::string text;
    std::int64_t symbols;
    std::string chinese;
    std::int64_t letters, digits, paragraphs, characters, taskCount;
};

TEST(WordStatistics, CountsEveryMeasureByItsOwnRule) {
    const CountCase cases[] = {
        {"letters, comma, digits, CR LF, two Chinese", "ab，12\r\n汉字", 2, "3", 2, 2, 2, 5, 6},
        {"a tab is half a Chinese character", "a\tb", 0, "0.5", 2, 0, 1, 1, 1},
        {"a last CR LF adds no paragraph", "汉\r\n字\r\n", 2, "2", 0, 0, 2, 2, 4},
        {"upper case is neither symbol nor Chinese", "ABC", 0, "0", 3, 0, 1, 1, 1},
        {"empty", "", 0, "0", 0, 0, 0, 0, 0},
        {"spaces count as symbols, not as characters", "汉 字  a", 1, "2", 1, 0, 1, 2, 2},
        {"CR CR LF LF: one pair goes, CR LF stays", "\r\r\n\n", 2, "1", 0, 0, 2, 1, 2},
        {"a space between CR and LF keeps both", "\r \n", 1, "1", 0, 0, 1, 1, 1},
        {"full-width letters are symbols", "ＡＢ", 2, "2", 0, 0, 1, 2, 2},
        {"a trail byte that looks like a letter", "\x81\x41", 0, "1", 0, 0, 1, 1, 1},
        {"both ends of the range are Chinese", "\xD2\xBB\xFD\x9B", 0, "2", 0, 0, 1, 2, 2},
        {"ideographs outside the range are symbols", "\xA9\x96\xFD\x9C", 2, "2", 0, 0, 1, 2, 2},
        {"a four-byte character weighs two", "\x81\x30\x81\x30", 2, "2", 0, 0, 1, 2, 2},
        {"stray bytes weigh half",
         "\x80"
         "a\xFF",
         1, "1", 1, 0, 1, 1, 1},
        {"a removed space joins nothing", "\x81 \x41", 1, "0.5", 1, 0, 1, 1, 1},
        {"a lead byte at the end", "汉\x81", 0, "1.5", 0, 0, 1, 1, 1},
        {"DEL is a symbol but not Chinese", "\x7F\x7F", 1, "0", 0, 0, 1, 1, 1},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.what);
        const WordStatistics s(c.text);
        EXPECT_EQ(s.symbols(), c.symbols);
        EXPECT_EQ(s.chinese(), c.chinese);
        EXPECT_EQ(s.letters(), c.letters);
        EXPECT_EQ(s.digits(), c.digits);
        EXPECT_EQ(s.paragraphs(), c.paragraphs);
        EXPECT_EQ(s.characters(), c.characters);
        EXPECT_EQ(s.taskCount(), c.taskCount);
    }
}

TEST(WordStatistics, StatusAndDetailTexts) {
    const WordStatistics s("ab，12\r\n汉字");
    EXPECT_EQ(s.statusText(), "当前字数：  5");
    EXPECT_EQ(s.detailText(),
              "字数统计\r\n汉字数量：3\r\n英文数量：2\r\n符号数量：2\r\n数字数量：2\r\n段落数："
              "2\r\n当前字数：  5");
}

// The measures taken the long way: remove, decode each character, classify it.
struct Reference {
    std::int64_t symbolBytes = 0, chineseBytes = 0, letters = 0, digits = 0;

    static bool IsHan(std::string_view unit) {
        const std::u16string u = Gb18030ToUtf16Units(unit, u'\n');
        return u.size() == 1 && u[0] >= 0x4E00 && u[0] <= 0x9FA5;
    }
    template <class Visit>
    static void EachUnit(const std::string& text, Visit visit) {
        for (std::size_t pos = 0; pos < text.size();) {
            const std::size_t n =
                static_cast<unsigned char>(text[pos]) < 0x80 ? 1 : GbkUnitAt(text, pos).bytes;
            visit(std::string_view(text).substr(pos, n));
            pos += n;
        }
    }
    explicit Reference(const std::string& text) {
        EachUnit(text, [&](std::string_view u) {
            const auto b = static_cast<unsigned char>(u[0]);
            if (u.size() == 1 && b >= '0' && b <= '9')
                ++digits;
            else if (u.size() == 1 && b < 0x80 && std::isalpha(b))
                ++letters;
            else if (u.size() > 1 && IsHan(u)) {
            } else
                symbolBytes += static_cast<std::int64_t>(u.size());
        });
        std::string stripped;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            else
                stripped += text[i];
        }
        std::erase(stripped, ' ');
        EachUnit(stripped, [&](std::string_view u) {
            const auto b = static_cast<unsigned char>(u[0]);
            if (b < 0x20 || b >= 0x80) chineseBytes += static_cast<std::int64_t>(u.size());
        });
    }
};

TEST(WordStatistics, OnePassAgreesWithTheLongWayOnMixedTexts) {
    // No lone lead byte: removing a space next to one would join bytes the long way.
    const std::string pieces[] = {"汉",
                                  "字",
                                  "，",
                                  "　",
                                  "a",
                                  "Z",
                                  "7",
                                  " ",
                                  "\r",
                                  "\n",
                                  "\r\n",
                                  "\t",
                                  "\x7F",
                                  "\x80",
                                  "\xFF",
                                  "\x81\x41",
                                  "\xFD\x9C",
                                  "\xA9\x96",
                                  "\x81\x30\x81\x30",
                                  "\x94\x39\xFC\x38",
                                  "ＡＢ"};
    std::mt19937 random(20261211);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    for (int round = 0; round < 500; ++round) {
        std::string text;
        for (int i = round % 40; i > 0; --i) text += pieces[pick(random)];
        SCOPED_TRACE(text);
        const WordStatistics s(text);
        const Reference r(text);
        EXPECT_EQ(s.symbols(), r.symbolBytes / 2);
        EXPECT_EQ(s.chinese(),
                  std::to_string(r.chineseBytes / 2) + (r.chineseBytes % 2 ? ".5" : ""));
        EXPECT_EQ(s.letters(), r.letters);
        EXPECT_EQ(s.digits(), r.digits);
    }
}

}  // namespace
}  // namespace kalamo
