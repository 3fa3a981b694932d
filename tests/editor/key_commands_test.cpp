#include "editor/key_commands.h"

#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "support/test_kalamo.h"
#include "ui/layouts/main_menus.h"

namespace kalamo::test {
namespace {

constexpr int kCtrl = kModCtrl, kShift = kModShift, kAlt = kModAlt;

// The handler on its own, with the two insertions it calls counted.
struct Handler {
    Handler() {
        t.editor.setText("abcd");
        t.editor.setSelectionStart(2);
        t.ui.setListIndex("键盘音", 1);
        t.settings.writeSetting("快捷设置", "0", "此致敬礼");
        t.settings.writeSetting("快捷设置", "8", "九");
        t.settings.writeSetting("快捷设置", "9", "十");
    }
    TestKalamo t;
    int evaluations = 0, times = 0;
    KeyCommands keys{t.k, [this] { ++evaluations; }, [this] { ++times; }};
};

TEST(EditorKeys, EachKeyPlaysTheSoundThenDoesItsOneCommand) {
    const struct {
        const char* what;
        int key, modifiers;
        const char* text;  // the editor's text afterwards
        std::size_t start, length;
        int evaluations, times, fontSize;
    } cases[] = {
        {"Ctrl+1", 49, kCtrl, "ab此致敬礼cd", 10, 0, 0, 0, 16},
        {"Ctrl+9", 57, kCtrl, "ab九cd", 4, 0, 0, 0, 16},
        {"Ctrl+0", 48, kCtrl, "ab十cd", 4, 0, 0, 0, 16},
        {"Ctrl+Shift+1", 49, kCtrl | kShift, "abcd", 2, 0, 0, 0, 16},
        {"Ctrl+Alt+1", 49, kCtrl | kAlt, "abcd", 2, 0, 0, 0, 16},
        {"plain 1", 49, 0, "abcd", 2, 0, 0, 0, 16},
        {"Ctrl+keypad 1", 97, kCtrl, "abcd", 2, 0, 0, 0, 16},
        {"Ctrl+M", 77, kCtrl, "abcd", 2, 0, 1, 0, 16},
        {"Ctrl+Shift+M", 77, kCtrl | kShift, "abcd", 2, 0, 0, 0, 16},
        {"Shift+F5", 116, kShift, "abcd", 2, 0, 0, 1, 16},
        {"Ctrl+Alt+F5", 116, kCtrl | kAlt, "abcd", 2, 0, 0, 1, 16},
        {"Ctrl+F2", 113, kCtrl, "abcd", 2, 0, 0, 0, 25},
        {"Ctrl+A", 65, kCtrl, "abcd", 0, 4, 0, 0, 16},
        {"Ctrl+Shift+A", 65, kCtrl | kShift, "abcd", 2, 0, 0, 0, 16},
        {"input method", 229, 0, "abcd", 2, 0, 0, 0, 16},
    };
    for (const auto& c : cases) {
        Handler h;
        h.t.editor.setFontSize(16);
        h.keys.onEditorKey(c.key, c.modifiers);
        EXPECT_EQ(h.t.editor.text(), c.text) << c.what;
        EXPECT_EQ(h.t.editor.selectionStart(), c.start) << c.what;
        EXPECT_EQ(h.t.editor.selectionLength(), c.length) << c.what;
        EXPECT_EQ(h.evaluations, c.evaluations) << c.what;
        EXPECT_EQ(h.times, c.times) << c.what;
        EXPECT_EQ(h.t.editor.fontSize(), c.fontSize) << c.what;
        EXPECT_EQ(h.t.ui.soundsPlayed(), std::vector{BuiltInSound::KeyClassic}) << c.what;
    }
}

TEST(EditorKeys, CtrlASelectsEverythingAndFocusesTheEditor) {
    Handler h;
    h.t.editor.setText("\r\n标题  2016年1月31日\r\n正文");
    h.t.ui.focus("章节名称");
    h.keys.onEditorKey(65, kCtrl);
    EXPECT_EQ(h.t.editor.selectedText(), h.t.editor.text());
    EXPECT_EQ(h.t.ui.focused(), "编辑框1");
}

TEST(EditorKeys, TheSoundListChoosesTheSoundOfEveryPress) {
    const std::vector<BuiltInSound> none;
    const struct {
        int entry;
        std::vector<BuiltInSound> each;
    } cases[] = {{0, none},
                 {1, {BuiltInSound::KeyClassic}},
                 {2, {BuiltInSound::KeyApple}},
                 {3, {BuiltInSound::KeyDrop}},
                 {-1, none}};
    for (const auto& c : cases) {
        Handler h;
        h.t.ui.setListIndex("键盘音", c.entry);
        // A held key repeats: every repeat is a press of its own.
        for (int i = 0; i < 3; ++i) h.keys.onEditorKey('X', 0);
        std::vector<BuiltInSound> expected;
        for (int i = 0; i < 3; ++i) expected.insert(expected.end(), c.each.begin(), c.each.end());
        EXPECT_EQ(h.t.ui.soundsPlayed(), expected) << c.entry;
    }
}

TEST(EditorKeys, AMissingPhraseInsertsNothingAndCollapsesTheSelection) {
    Handler h;
    h.t.editor.setSelectionStart(1);
    h.t.editor.setSelectionLength(2);
    h.keys.onEditorKey('5', kCtrl);
    EXPECT_EQ(h.t.editor.text(), "abcd");
    EXPECT_EQ(h.t.editor.selectionStart(), 1u);
    EXPECT_EQ(h.t.editor.selectionLength(), 0u);
}

// The menu (and its plain F2 shortcut) marks the newcomer task when large fonts go off; F2
// with modifiers in the editor marks it when they come on. Both keep the panel's box, the
// menu's check mark and the font together.
TEST(LargeFont, TheTwoVariantsMarkTheTaskAtOppositeMoments) {
    const struct {
        bool fromMenu, wasLarge, taskWritten;
    } cases[] = {
        {true, false, false},
        {true, true, true},
        {false, false, true},
        {false, true, false},
    };
    for (const auto& c : cases) {
        AppFixture a;
        a.ui.setChecked("大字体", c.wasLarge);
        a.ui.setMenuChecked(kMenuLargeFont, c.wasLarge);
        if (c.fromMenu)
            a.ui.chooseMenu(kMenuLargeFont);
        else
            a.ui.pressKey("编辑框1", 113, kShift);
        const std::string what = std::string(c.fromMenu ? "menu" : "key") +
                                 (c.wasLarge ? " switching off" : " switching on");
        EXPECT_EQ(a.ui.isChecked("大字体"), !c.wasLarge) << what;
        EXPECT_EQ(a.ui.isMenuChecked(kMenuLargeFont), !c.wasLarge) << what;
        EXPECT_EQ(a.editor.fontSize(), c.wasLarge ? 16 : 25) << what;
        EXPECT_EQ(a.ini("软件设置", "新手2"), c.taskWritten ? "真" : "") << what;
    }
}

// Through the app's routing: a key in the editor reaches the handler, and a phrase saved a
// moment ago is the one inserted.
TEST(EditorKeys, RoutedFromTheEditorReadingThePhraseAtEveryPress) {
    AppFixture a;
    a.ui.setListIndex("键盘音", 2);
    a.editor.setText("abcd");
    a.editor.setSelectionStart(4);
    a.settings.writeSetting("快捷设置", "1", "旧");
    a.ui.pressKey("编辑框1", '2', kCtrl);
    a.settings.writeSetting("快捷设置", "1", "新");
    a.ui.pressKey("编辑框1", '2', kCtrl);
    EXPECT_EQ(a.editor.text(), "abcd旧新");
    EXPECT_EQ(a.ui.soundsPlayed(), (std::vector{BuiltInSound::KeyApple, BuiltInSound::KeyApple}));
}

}  // namespace
}  // namespace kalamo::test
