#include "base/ini_text.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>

#include "base/gbk.h"
#include "support/test_kalamo.h"

namespace kalamo {
namespace {

using test::Slurp;
using test::Spit;
using test::TempDir;

TEST(IniLookup, FollowsTheProfileRules) {
    struct Case {
        const char* name;
        std::string content, section, key, expected;
    } cases[] = {
        {"found", "[s]\nk=v\n", "s", "k", "v"},
        {"missing section", "[s]\nk=v\n", "t", "k", ""},
        {"missing key", "[s]\nk=v\n", "s", "j", ""},
        {"key of another section", "[s]\nk=v\n[t]\nj=w\n", "s", "j", ""},
        {"key before any section", "k=v\n[s]\n", "s", "k", ""},
        {"CRLF file", "[s]\r\nk=v\r\nj=w\r\n", "s", "k", "v"},
        {"no final break", "[s]\nk=v", "s", "k", "v"},
        {"names ignore ASCII case", "[AbC]\nKeY=v\n", "abc", "kEy", "v"},
        {"blanks around names in the file", "  [ s ]  \n \t k \t =v\n", "s", "k", "v"},
        {"leading blanks of the argument", "[快捷设置]\n0=phrase\n", "\t快捷设置", " 0", "phrase"},
        {"blank key argument", "[s]\n=v\n", "s", " \t", ""},
        {"blank section argument", "[]\nk=v\n", "  ", "k", ""},
        {"value trimmed", "[s]\nk= \t v w \t\r\n", "s", "k", "v w"},
        {"one pair of double quotes", "[s]\nk=\"  v  \"\n", "s", "k", "  v  "},
        {"one pair of single quotes", "[s]\nk='v'\n", "s", "k", "v"},
        {"only one pair goes", "[s]\nk=\"\"v\"\"\n", "s", "k", "\"v\""},
        {"unmatched quotes stay", "[s]\nk=\"v'\n", "s", "k", "\"v'"},
        {"a lone quote stays", "[s]\nk=\"\n", "s", "k", "\""},
        {"equals sign in the value", "[s]\nk=a=b\n", "s", "k", "a=b"},
        {"line without equals skipped", "[s]\nnoise\nk=v\n", "s", "k", "v"},
        {"first of duplicate sections", "[s]\na=1\n[s]\nb=2\n", "s", "b", ""},
        {"first of duplicate keys", "[s]\nk=1\nk=2\n", "s", "k", "1"},
        {"GBK names", "[软件设置]\n自动保存=真\n", "软件设置", "自动保存", "真"},
        // 0x81 0x41 and 0x81 0x61 are two different characters, not two cases of one.
        {"trail bytes are not folded", "[s]\n\x81\x41=v\n", "s", "\x81\x61", ""},
        {"header without closing bracket", "[s\nk=v\n", "s", "k", "v"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IniText::Lookup(c.content, c.section, c.key), c.expected)
            << c.name << ": " << GbkToUtf8(c.content);
    }
}

TEST(IniLookup, ReturnsAtMostTheLimit) {
    std::string longValue(100 * 1024, 'x');
    EXPECT_EQ(IniText::Lookup("[s]\nk=" + longValue + "\n", "s", "k"),
              longValue.substr(0, IniText::kMaxValueBytes));
}

TEST(IniUpdate, ChangesOnlyTheKeyLine) {
    struct Case {
        const char* name;
        std::string content, section, key, value, expected;
    } cases[] = {
        {"new file", "", "s", "k", "v", "[s]\nk=v\n"},
        {"replace keeps the rest byte for byte", "; note\r\n[s]\r\nK = old \r\nother=1\r\n", "s",
         "k", "new", "; note\r\n[s]\r\nK =new\r\nother=1\r\n"},
        {"new key joins its section before the blank line", "[a]\nx=1\n\n[b]\ny=2\n", "a", "z", "3",
         "[a]\nx=1\nz=3\n\n[b]\ny=2\n"},
        {"new key after a last line without break", "[a]\nx=1", "a", "y", "2", "[a]\nx=1\ny=2\n"},
        {"new section after a last line without break", "[a]\nx=1", "b", "y", "2",
         "[a]\nx=1\n[b]\ny=2\n"},
        {"new section follows CRLF", "[a]\r\nx=1\r\n", "b", "y", "2",
         "[a]\r\nx=1\r\n[b]\r\ny=2\r\n"},
        {"value written untrimmed", "", "s", "k", "  \"v\"  ", "[s]\nk=  \"v\"  \n"},
        {"value ends at its zero byte", "", "s", "k", std::string("ab\0cd", 5), "[s]\nk=ab\n"},
        {"value ends at a line break", "", "s", "k", "ab\r\n[x]\ny=1", "[s]\nk=ab\n"},
        {"argument names lose their blanks", "", " s ", " 0", "v", "[s]\n0=v\n"},
        {"first of duplicate sections", "[s]\na=1\n[s]\na=2\n", "S", "A", "9",
         "[s]\na=9\n[s]\na=2\n"},
        {"GBK key beside a look-alike", "[s]\n\x81\x61=1\n", "s", "\x81\x41", "2",
         "[s]\n\x81\x61=1\n\x81\x41=2\n"},
    };
    for (const Case& c : cases) {
        std::optional<std::string> out = IniText::Update(c.content, c.section, c.key, c.value);
        ASSERT_TRUE(out.has_value()) << c.name;
        EXPECT_EQ(*out, c.expected) << c.name;
    }
}

TEST(IniUpdate, RefusesNamesThatWouldBreakTheLine) {
    const std::pair<std::string, std::string> bad[] = {
        {"s", "a=b"},  {"s", "[k"}, {"s", "a\nb"}, {"a]b", "k"},
        {"a\nb", "k"}, {"s", "  "}, {"", "k"},
    };
    for (const auto& [section, key] : bad)
        EXPECT_FALSE(IniText::Update("[s]\nk=1\n", section, key, "v")) << section << "/" << key;
}

// Whatever a file holds, a key written into it is read back, and nothing crashes.
TEST(IniUpdate, SurvivesGarbage) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string noise;
    for (int i = 0; i < 64 * 1024; ++i) noise.push_back(static_cast<char>(byte(random)));
    std::string brackets;
    for (int i = 0; i < 20000; ++i) brackets += "[s=\n]"[i % 5];
    const std::string contents[] = {noise, brackets, std::string(100 * 1024, 'a'),
                                    "[s]\n" + std::string(100 * 1024, '=')};
    for (const std::string& content : contents) {
        IniText::Lookup(content, "s", "k");
        std::optional<std::string> out = IniText::Update(content, "s", "k", "value");
        ASSERT_TRUE(out.has_value());
        EXPECT_EQ(IniText::Lookup(*out, "s", "k"), "value");
    }
}

TEST(IniEscape, PlainValuesStayAsTheyAre) {
    const std::string plain[] = {"", "1234", "真", "a b", "\"x", "x\"", "~hex", "#~hex:41"};
    for (const std::string& v : plain) EXPECT_EQ(IniText::EscapeValue(v), v) << v;
    EXPECT_EQ(IniText::EscapeValue(" a"), "~hex:2061");
    EXPECT_EQ(IniText::EscapeValue("~hex:41"), "~hex:7E6865783A3431");
}

TEST(IniEscape, MalformedFormsReadAsRawText) {
    const std::string raw[] = {"~hex:", "~hex:4", "~hex:4G", "~hex:4a", "~hex: 41", "~HEX:41"};
    for (const std::string& v : raw) EXPECT_EQ(IniText::UnescapeValue(v), v) << v;
    EXPECT_EQ(IniText::UnescapeValue("~hex:00FF"), std::string("\0\xFF", 2));
}

// Every single byte, every byte between others, and random blobs survive a real line.
TEST(IniEscape, AnyBytesSurviveALine) {
    std::vector<std::string> values;
    for (int b = 0; b < 256; ++b) {
        std::string c(1, static_cast<char>(b));
        values.push_back(c);
        values.push_back("a" + c + "b");
        values.push_back(c + c);
    }
    std::mt19937 random(3);
    for (int i = 0; i < 500; ++i) {
        std::string blob(random() % 40, '\0');
        for (char& c : blob) c = static_cast<char>(random());
        values.push_back(blob);
    }
    for (const std::string& v : values) {
        std::optional<std::string> file =
            IniText::Update("[s]\nk=old\n", "s", "k", IniText::EscapeValue(v));
        ASSERT_TRUE(file.has_value());
        EXPECT_EQ(IniText::UnescapeValue(IniText::Lookup(*file, "s", "k")), v)
            << GbkToUtf8(IniText::EscapeValue(v));
    }
}

}  // namespace
}  // namespace kalamo
