#include "editor/phrase_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/app_fixture.h"
#include "ui/layouts/main_menus.h"
#include "ui/layouts/window_layout.h"

namespace kalamo::test {
namespace {

std::string In(const char* control) {
    return std::string(kPhraseWindow) + "." + control;
}

struct PhraseWindowTest : testing::Test {
    void choose(int entry) {
        a.ui.setListIndex(In("快捷键"), entry);
        a.ui.fire({kPhraseWindow, "快捷键", EventKind::ListChosen});
    }
    void save(const std::string& phrase) {
        a.ui.setText(In("编辑框1"), phrase);
        a.ui.click(In("保存设置"));
    }
    std::string box() const { return a.ui.text(In("编辑框1")); }
    std::string iniFile() const { return Slurp(a.settings.runIniPath()); }

    AppFixture a;
};

TEST_F(PhraseWindowTest, OpensOnTheFirstHotkeyAndSavesTheChosenOne) {
    a.settings.writeSetting("快捷设置", "0", "你好");
    a.ui.chooseMenu(kMenuPhraseKeys);
    EXPECT_TRUE(a.ui.isWindowVisible(kPhraseWindow));
    EXPECT_EQ(a.ui.listIndex(In("快捷键")), 0);
    EXPECT_EQ(box(), "你好");

    choose(2);
    EXPECT_EQ(box(), "");
    save("此致敬礼");
    EXPECT_EQ(a.ini("快捷设置", "2"), "此致敬礼");
    ASSERT_EQ(a.ui.messages().size(), 1u);
    EXPECT_EQ(a.ui.messages()[0].box.text, "保存成功");
    EXPECT_EQ(a.ui.messages()[0].box.caption, "Kalamo");
    EXPECT_EQ(a.ui.messages()[0].box.icon, MessageIcon::None);
    EXPECT_TRUE(a.ui.isWindowVisible(kPhraseWindow));

    a.editor.setText("ab");
    a.editor.setSelectionStart(2);
    a.ui.pressKey("编辑框1", '3', kModCtrl);
    EXPECT_EQ(a.editor.text(), "ab此致敬礼");

    choose(9);
    save("落款");
    EXPECT_EQ(a.ini("快捷设置", "9"), "落款");
}

TEST_F(PhraseWindowTest, SwitchingHotkeysDropsAnUnsavedEdit) {
    a.settings.writeSetting("快捷设置", "1", "原来的");
    a.ui.chooseMenu(kMenuPhraseKeys);
    choose(1);
    a.ui.setText(In("编辑框1"), "改过没保存");
    choose(0);
    choose(1);
    EXPECT_EQ(box(), "原来的");
    EXPECT_EQ(a.ini("快捷设置", "1"), "原来的");
}

// Reopening an open window keeps it as it is; a closed one starts over on the first hotkey.
// The settings panel's button opens it too.
TEST_F(PhraseWindowTest, ReopeningKeepsAnOpenWindowAsItIs) {
    a.ui.chooseMenu(kMenuPhraseKeys);
    choose(4);
    a.ui.setText(In("编辑框1"), "正在改");
    a.ui.chooseMenu(kMenuPhraseKeys);
    EXPECT_EQ(a.ui.listIndex(In("快捷键")), 4);
    EXPECT_EQ(box(), "正在改");

    a.ui.hideWindow(kPhraseWindow);
    a.ui.click("快捷键输入");
    EXPECT_TRUE(a.ui.isWindowVisible(kPhraseWindow));
    EXPECT_EQ(a.ui.listIndex(In("快捷键")), 0);
    EXPECT_EQ(box(), "");
}

// A phrase an INI line cannot hold as it is comes back whole and writes one line only.
TEST_F(PhraseWindowTest, AnyPhraseComesBackWholeOnOneLine) {
    const std::string phrases[] = {
        "第一行\r\n第二行", "\r\n",       "末尾换行\n", "  前面两个空格",
        "后面有空格 ",      "\"引号里\"", "~hex:41",    "=[章]=",
    };
    a.ui.chooseMenu(kMenuPhraseKeys);
    for (const std::string& phrase : phrases) {
        save(phrase);
        choose(1);
        choose(0);
        EXPECT_EQ(box(), phrase);
        const std::string file = iniFile();
        EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 2) << file;

        a.editor.setText("ab");
        a.editor.setSelectionStart(1);
        a.ui.pressKey("编辑框1", '1', kModCtrl);
        EXPECT_EQ(a.editor.text(), "a" + phrase + "b");
        EXPECT_EQ(a.editor.selectionStart(), 1 + phrase.size());
    }
    save("可读的");
    EXPECT_NE(iniFile().find("0=可读的"), std::string::npos);
}

// Cutting a phrase would insert something else than was saved: it is refused instead.
TEST_F(PhraseWindowTest, APhraseTooLongToStoreWholeIsRefused) {
    a.settings.writeSetting("快捷设置", "0", "旧的");
    a.ui.chooseMenu(kMenuPhraseKeys);
    save(std::string(6000, 'x') + "\r\n");
    EXPECT_EQ(a.ini("快捷设置", "0"), "旧的");
    ASSERT_EQ(a.ui.messages().size(), 1u);
    EXPECT_NE(a.ui.messages()[0].box.text, "保存成功");

    const std::string longest(10239, 'y');
    save(longest);
    a.editor.setText("");
    a.ui.pressKey("编辑框1", '1', kModCtrl);
    EXPECT_EQ(a.editor.text(), longest);
}

}  // namespace
}  // namespace kalamo::test
