#include "editor/find_replace.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "app/app_fixture.h"
#include "base/gbk.h"
#include "editor/gbk_search.h"
#include "ui/layouts/main_menus.h"

namespace kalamo::test {
namespace {

using Selection = std::pair<std::size_t, std::size_t>;

const std::string kFind = kFindWindow;
const std::string kReplace = kReplaceWindow;

// "癮" is B0 61 and "癆" B0 41: two characters whose second byte is an ASCII letter.
struct Search : AppFixture {
    explicit Search(const std::string& text) {
        k.writing.on = true;
        editor.setEnabled(true);
        editor.setText(text);
    }
    Selection selection() const { return {editor.selectionStart(), editor.selectionLength()}; }
    // What one click of a find button selects; {text end or 0, 0} after "not found".
    std::vector<Selection> clicks(const std::string& button, int times) {
        std::vector<Selection> seen;
        for (int i = 0; i < times; ++i) {
            ui.click(button);
            seen.push_back(selection());
        }
        return seen;
    }
    void openFind(const std::string& search, bool matchCase, bool up) {
        ui.chooseMenu(kMenuFind);
        ui.type(kFind + ".编辑框1", search);
        ui.setChecked(kFind + ".选择框1", matchCase);
        ui.setChecked(kFind + (up ? ".单选框1" : ".单选框2"), true);
    }
    void openReplace(const std::string& search, const std::string& with, bool matchCase = false) {
        ui.chooseMenu(kMenuReplace);
        ui.type(kReplace + ".编辑框1", search);
        ui.setText(kReplace + ".编辑框2", with);
        ui.setChecked(kReplace + ".选择框1", matchCase);
    }
};

TEST(FindReplace, FindNextWalksThroughTheMatchesAndThenReportsNone) {
    const struct {
        const char* text;
        const char* search;
        bool matchCase, up;
        std::size_t caret;
        std::vector<Selection> walk;  // the last click finds nothing
    } cases[] = {
        {"Abc abc", "abc", false, false, 0, {{0, 3}, {4, 3}, {7, 0}}},
        {"Abc abc", "abc", true, false, 0, {{4, 3}, {7, 0}}},
        {"甲乙甲", "甲", false, true, 6, {{4, 2}, {0, 2}, {0, 0}}},
        // One byte never matches the second byte of a character, nor a letter inside one.
        {"癮a癮", "a", false, false, 0, {{2, 1}, {5, 0}}},
        {"癮a癮", "A", false, true, 5, {{2, 1}, {0, 0}}},
        {"癆癮", "癮", false, false, 0, {{2, 2}, {4, 0}}},
        {"a癆", "癮", false, false, 0, {{3, 0}}},
        // A match lies wholly before the caret when searching up, behind it going down.
        {"abab", "ab", false, true, 3, {{0, 2}, {0, 0}}},
        {"aaa", "aa", false, false, 0, {{0, 2}, {3, 0}}},
        // The LF of a CR LF is no line break of its own.
        {"a\r\nb\nc", "\n", false, false, 0, {{4, 1}, {6, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(GbkToUtf8(c.text) + " / " + GbkToUtf8(c.search));
        Search s(c.text);
        s.editor.setSelectionStart(c.caret);
        s.openFind(c.search, c.matchCase, c.up);
        EXPECT_EQ(s.clicks(kFind + ".按钮1", static_cast<int>(c.walk.size())), c.walk);
        ASSERT_EQ(s.ui.messages().size(), 1u);
        const MessageBoxSpec& box = s.ui.messages()[0].box;
        EXPECT_EQ(box.text, std::string("找不到 “") + c.search + "”");
        EXPECT_EQ(box.caption, "记事本");
        EXPECT_EQ(box.icon, MessageIcon::Information);
        EXPECT_EQ(s.ui.focused(), "编辑框1");
    }
}

TEST(FindReplace, EnterInTheFindBoxFindsAndAnEmptyBoxFindsNothing) {
    Search s("xx中xx");
    s.openFind("中", false, false);
    EXPECT_TRUE(s.ui.isEnabled(kFind + ".按钮1"));
    s.ui.pressKey(kFind + ".编辑框1", 13);
    EXPECT_EQ(s.selection(), (Selection{2, 2}));
    s.ui.setText(kFind + ".编辑框1", "");
    s.ui.fire({kFind, "编辑框1", EventKind::TextChanged});
    EXPECT_FALSE(s.ui.isEnabled(kFind + ".按钮1"));
    s.ui.pressKey(kFind + ".编辑框1", 13);
    EXPECT_EQ(s.selection(), (Selection{2, 2}));
    EXPECT_TRUE(s.ui.messages().empty());
    EXPECT_EQ(s.app.findReplace.lastSearchText(), "中");
}

// Replacing goes straight into the editor: the clipboard is never used, so it keeps what
// it holds.
TEST(FindReplace, ReplaceFindsFirstThenReplacesTheSelectionAndLeavesTheClipboard) {
    Search s("甲a乙A");
    s.ui.setClipboardText("剪贴板里的字");
    s.openReplace("A", "丙");
    s.ui.click(kReplace + ".按钮2");
    EXPECT_EQ(s.selection(), (Selection{2, 1}));
    EXPECT_EQ(s.editor.text(), "甲a乙A");
    s.ui.click(kReplace + ".按钮2");
    EXPECT_EQ(s.editor.text(), "甲丙乙A");
    EXPECT_EQ(s.selection(), (Selection{4, 0}));
    // The selection is replaced whatever it holds.
    s.editor.setSelectionStart(0);
    s.editor.setSelectionLength(2);
    s.ui.setText(kReplace + ".编辑框2", "");
    s.ui.click(kReplace + ".按钮2");
    EXPECT_EQ(s.editor.text(), "丙乙A");
    EXPECT_EQ(s.ui.clipboardText(), "剪贴板里的字");
    // At the end nothing is left to find: the message has the program's caption.
    s.editor.setSelectionStart(4);
    s.ui.click(kReplace + ".按钮1");
    EXPECT_EQ(s.selection(), (Selection{4, 1}));
    s.ui.click(kReplace + ".按钮1");
    ASSERT_EQ(s.ui.messages().size(), 1u);
    EXPECT_EQ(s.ui.messages()[0].box.caption, "Kalamo");
    EXPECT_EQ(s.selection(), (Selection{5, 0}));
}

TEST(FindReplace, ReplaceAllScansOnceAndKeepsEveryOtherByte) {
    const struct {
        const char* text;
        const char* search;
        const char* with;
        bool matchCase;
        const char* expected;
    } cases[] = {
        {"aaa", "a", "aa", false, "aaaaaa"},
        {"Abc abc", "ABC", "x", false, "x x"},
        {"Abc abc", "ABC", "x", true, "Abc abc"},
        {"aaaa", "aa", "a", false, "aa"},
        {"a中a", "", "x", false, "a中a"},
        {"a中a", "a", "", false, "中"},
        {"癮a癆A", "a", "b", false, "癮b癆b"},
        {"a\r\nb", "\n", "x", false, "a\r\nb"},
        // Bytes that are no characters, and a lone LF, stay as they were.
        {"\x80x\nx\xFF", "x", "yy", false, "\x80yy\nyy\xFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(GbkToUtf8(c.text) + " / " + GbkToUtf8(c.search));
        Search s(c.text);
        s.openReplace(c.search, c.with, c.matchCase);
        s.ui.click(kReplace + ".按钮3");
        EXPECT_EQ(s.editor.text(), c.expected);
        EXPECT_TRUE(s.ui.messages().empty());
    }
}

TEST(FindReplace, TheWindowsOpenOnlyWhileWritingAndShareTheLastSearchedText) {
    Search s("abc");
    s.k.writing.on = false;
    s.ui.chooseMenu(kMenuFind);
    s.ui.chooseMenu(kMenuReplace);
    EXPECT_EQ(s.ui.messageTexts(),
              (std::vector<std::string>{"开始书写后再使用吧。", "开始书写后再使用吧。"}));
    EXPECT_EQ(s.ui.messages()[0].box.caption, "Kalamo");
    EXPECT_FALSE(s.ui.isWindowVisible(kFind));
    EXPECT_FALSE(s.ui.isWindowVisible(kReplace));
    s.k.writing.on = true;

    // A search in "查找" fills the box of "替换", all of it selected.
    s.openFind("b", false, true);
    EXPECT_TRUE(s.ui.isWindowVisible(kFind));
    s.editor.setSelectionStart(3);
    s.ui.click(kFind + ".按钮1");
    s.ui.chooseMenu(kMenuReplace);
    EXPECT_EQ(s.ui.text(kReplace + ".编辑框1"), "b");
    EXPECT_TRUE(s.ui.isEnabled(kReplace + ".按钮3"));
    s.ui.type(kReplace + ".编辑框1", "c");
    EXPECT_EQ(s.ui.text(kReplace + ".编辑框1"), "c");
    s.ui.click(kReplace + ".按钮1");
    EXPECT_EQ(s.app.findReplace.lastSearchText(), "c");

    // "替换" closed is gone: it opens afresh, match case unticked and nothing to put in.
    s.ui.setChecked(kReplace + ".选择框1", true);
    s.ui.setText(kReplace + ".编辑框2", "z");
    s.ui.click(kReplace + ".按钮4");
    EXPECT_FALSE(s.ui.isWindowVisible(kReplace));
    s.ui.chooseMenu(kMenuReplace);
    EXPECT_FALSE(s.ui.isChecked(kReplace + ".选择框1"));
    EXPECT_EQ(s.ui.text(kReplace + ".编辑框2"), "");

    // "查找" is only hidden: it keeps its direction and match case, and cancelling puts the
    // last searched text back into its box, whether by its button or by its frame.
    s.ui.setChecked(kFind + ".选择框1", true);
    for (const char* close : {"button", "frame"}) {
        SCOPED_TRACE(close);
        s.ui.type(kFind + ".编辑框1", "typed, never searched");
        if (close == std::string("button"))
            s.ui.click(kFind + ".按钮2");
        else
            s.ui.closeWindow(kFind);
        EXPECT_FALSE(s.ui.isWindowVisible(kFind));
        EXPECT_EQ(s.ui.text(kFind + ".编辑框1"), "c");
        s.ui.chooseMenu(kMenuFind);
        EXPECT_TRUE(s.ui.isWindowVisible(kFind));
        EXPECT_TRUE(s.ui.isChecked(kFind + ".单选框1"));
        EXPECT_FALSE(s.ui.isChecked(kFind + ".单选框2"));
        EXPECT_TRUE(s.ui.isChecked(kFind + ".选择框1"));
    }
}

// The search against a plain definition over texts of random pieces: characters whose
// second byte is a letter, letters of both cases, every kind of line break, a four-byte
// character, bytes that are no character.
std::string SlowFold(std::string_view text, std::size_t at, bool fold) {
    const GbkUnit unit = GbkUnitAt(text, at);
    std::string bytes(text.substr(at, unit.bytes));
    if (fold && unit.bytes == 1 && bytes[0] >= 'A' && bytes[0] <= 'Z') bytes[0] += 32;
    return bytes;
}

std::vector<std::size_t> SlowMatches(std::string_view text, std::string_view needle,
                                     bool matchCase) {
    std::vector<bool> edge(text.size() + 1, false);
    for (std::size_t at = 0; at < text.size(); at += GbkUnitAt(text, at).bytes) edge[at] = true;
    edge[text.size()] = true;
    std::string folded;
    for (std::size_t at = 0; at < needle.size(); at += GbkUnitAt(needle, at).bytes)
        folded += SlowFold(needle, at, !matchCase);
    std::vector<std::size_t> found;
    for (std::size_t q = 0; !needle.empty() && q + needle.size() <= text.size(); ++q) {
        if (!edge[q] || !edge[q + needle.size()]) continue;
        std::string here;
        for (std::size_t at = q; at < q + needle.size(); at += GbkUnitAt(text, at).bytes)
            here += SlowFold(text, at, !matchCase);
        if (here == folded) found.push_back(q);
    }
    return found;
}

TEST(GbkSearch, AgreesWithThePlainDefinition) {
    const char* pieces[] = {"a",
                            "A",
                            "b",
                            "癮",
                            "癆",
                            "中",
                            "\r\n",
                            "\n",
                            "\r",
                            "\x80",
                            "\xFF",
                            "\x81",
                            "\x81\x30\x81\x30",
                            "aA"};
    std::mt19937 random(20160131);
    auto pick = [&](int count) {
        std::string s;
        for (int i = 0; i < count; ++i) s += pieces[random() % std::size(pieces)];
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        const std::string text = pick(static_cast<int>(random() % 12));
        std::string needle = pick(1 + static_cast<int>(random() % 3));
        if (round % 2 && !text.empty()) {  // often a piece of the text itself, cut anywhere
            const std::size_t from = random() % text.size();
            needle = text.substr(from, 1 + random() % 4);
        }
        const bool matchCase = round % 3 == 0;
        SCOPED_TRACE(::testing::PrintToString(text) + " / " + ::testing::PrintToString(needle));
        const GbkSearch search(needle, matchCase);
        const std::vector<std::size_t> all = SlowMatches(text, needle, matchCase);
        for (std::size_t p = 0; p <= text.size(); ++p) {
            std::optional<std::size_t> down, up;
            for (std::size_t q : all) {
                if (q >= p && !down) down = q;
                if (q + needle.size() <= p) up = q;
            }
            ASSERT_EQ(search.findForward(text, p), down) << "from " << p;
            ASSERT_EQ(search.findBackward(text, p), up) << "up to " << p;
        }
        std::string replaced;
        std::size_t done = 0;
        for (std::size_t q : all) {
            if (q < done) continue;
            replaced += text.substr(done, q - done) + "<>";
            done = q + needle.size();
        }
        replaced += text.substr(done);
        const auto r = search.replaceAll(text, "<>");
        const std::string got =
            r ? text.substr(0, r->from) + r->with + text.substr(r->to) : std::string(text);
        ASSERT_EQ(got, replaced);
    }
}

}  // namespace
}  // namespace kalamo::test
