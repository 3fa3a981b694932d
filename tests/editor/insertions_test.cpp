#include "editor/insertions.h"

#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "support/test_kalamo.h"

namespace kalamo::test {
namespace {

const std::string kDivider =
    "\r\n" + std::string(33, '-') + "分割线" + std::string(33, '-') + "\r\n";

struct InsertionsTest : testing::Test {
    InsertionsTest() { t.k.writing.on = true; }

    void select(const std::string& text, std::size_t start, std::size_t length) {
        t.editor.setText(text);
        t.editor.setSelectionStart(start);
        t.editor.setSelectionLength(length);
    }

    TestKalamo t;
    Insertions insertions{t.k};
};

TEST_F(InsertionsTest, TheTimeGoesInAtTheCaretWithBlanksOnlyFromTheMenu) {
    const struct {
        TimeVariant variant;
        const char* text;
        std::size_t caret;
    } cases[] = {
        {TimeVariant::Menu, "ab 2016年1月31日 9：5：7 cd", 2 + 23},
        {TimeVariant::Key, "ab2016年1月31日 9：5：7cd", 2 + 21},
    };
    for (const auto& c : cases) {
        select("abcd", 2, 0);
        insertions.InsertCurrentTime(c.variant);
        EXPECT_EQ(t.editor.text(), c.text);
        EXPECT_EQ(t.editor.selectionStart(), c.caret);
        EXPECT_EQ(t.ui.focused(), "编辑框1");
    }
    t.clock.time = {2023, 12, 9, 0, 0, 59, 6};
    select("", 0, 0);
    insertions.InsertCurrentTime(TimeVariant::Key);
    EXPECT_EQ(t.editor.text(), "2023年12月9日 0：0：59");
    EXPECT_TRUE(t.ui.messages().empty());
}

TEST_F(InsertionsTest, TheTimeIsRefusedWhileWritingIsOff) {
    t.k.writing.on = false;
    select("abcd", 2, 0);
    insertions.InsertCurrentTime(TimeVariant::Menu);
    EXPECT_EQ(t.editor.text(), "abcd");
    ASSERT_EQ(t.ui.messages().size(), 1u);
    const MessageBoxSpec& box = t.ui.messages()[0].box;
    EXPECT_EQ(box.text, "这是一键添加当前时间按钮。请开始书写之后使用本按钮");
    EXPECT_EQ(box.caption, "Kalamo");
    EXPECT_EQ(box.icon, MessageIcon::None);
}

// The divider is 76 bytes and leaves a selection after it; it goes in even while writing is
// off, into the locked editor.
TEST_F(InsertionsTest, TheDividerGoesBeforeTheSelectionInEitherWritingState) {
    ASSERT_EQ(kDivider.size(), 76u);
    for (bool writing : {true, false}) {
        t.k.writing.on = writing;
        select("abcd", 1, 2);
        insertions.InsertDivider();
        EXPECT_EQ(t.editor.text(), "a" + kDivider + "bcd");
        EXPECT_EQ(t.editor.selectionStart(), 1 + kDivider.size());
        EXPECT_EQ(t.editor.selectionLength(), 0u);
    }
}

TEST_F(InsertionsTest, AResultFollowsTheExpressionAndGoesToTheClipboardAndStatusBar) {
    const struct {
        std::string text;
        std::size_t start, length;  // nothing selected: the whole text
        std::string after;
        std::string result;
    } cases[] = {
        {"(1234+5678)*90/100=", 0, 19, "(1234+5678)*90/100 = 6220.8", "6220.8"},
        {"1/2", 0, 3, "1/2 = 0.5", "0.5"},
        {"12*12", 0, 0, "12*12 = 144", "144"},
        {"12*12=", 3, 0, "12*12 = 144", "144"},
        {"税前：3×(1+2)元", 6, 8, "税前：3×(1+2) = 9元", "9"},
        // Bytes that are no GBK around the selection stay as they were.
        {"\x80z(2-5)/2=\xFF\xA1", 2, 8, "\x80z(2-5)/2 = -1.5\xFF\xA1", "-1.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        select(c.text, c.start, c.length);
        t.ui.setClipboardText("earlier");
        insertions.EvaluateExpression();
        EXPECT_EQ(t.editor.text(), c.after);
        if (c.length > 0) {
            EXPECT_EQ(t.editor.selectionStart(),
                      c.after.size() - (c.text.size() - c.start - c.length));
            EXPECT_EQ(t.editor.selectionLength(), 0u);
        }
        EXPECT_EQ(t.ui.clipboardText(), c.result);
        EXPECT_EQ(t.ui.statusText(1), "计算结果：" + c.result);
        EXPECT_EQ(t.ini("软件设置", "新手5"), "真");
        EXPECT_TRUE(t.ui.messages().empty());
    }
}

TEST_F(InsertionsTest, AFailedExpressionLeavesTheEqualsSignEmptiesTheClipboardAndExplains) {
    const std::string help =
        "1、请先输入表达式并选中，然后计算。如：\r\n\r\n" + std::string(20, ' ') +
        "(1234+5678)*90/100=\r\n\r\n2、如果文档中只有一个表达式，无须选中即可计算。"
        "   \r\n等号可以省略。计算结果被自动保存在剪贴板上。";
    const struct {
        std::string text;
        std::size_t start, length;
        std::string after;
    } cases[] = {
        {"第1章 2016年1月31日\r\n12*12", 0, 0, "第1章 2016年1月31日\r\n12*12 = "},
        {"3+4==", 0, 5, "3+4= = "},
        {"abc+", 0, 4, "abc+ = "},
        {"", 0, 0, " = "},
        {"x\x80"
         "1+\xFF",
         2, 3,
         "x\x80"
         "1+\xFF = "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        t.ui.clearMessages();
        select(c.text, c.start, c.length);
        t.ui.setClipboardText("earlier");
        insertions.EvaluateExpression();
        EXPECT_EQ(t.editor.text(), c.after);
        EXPECT_EQ(t.ui.clipboardText(), "");
        EXPECT_EQ(t.ui.statusText(1), "计算结果：");
        EXPECT_EQ(t.ini("软件设置", "新手5"), "");
        ASSERT_EQ(t.ui.messages().size(), 1u);
        const MessageBoxSpec& box = t.ui.messages()[0].box;
        EXPECT_EQ(box.text, help);
        EXPECT_EQ(box.caption, "Kalamo");
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
        EXPECT_EQ(box.icon, MessageIcon::Information);
    }
}

TEST(InsertionsMenus, TheMenuItemsReachTheirCommands) {
    const struct {
        const char* item;
        std::string after;
    } cases[] = {
        {"开始/编辑/插入/当前时间（F5）", "12 2016年1月31日 9：5：7 *3"},
        {"开始/编辑/插入/分割线（Ctrl+L）", "12" + kDivider + "*3"},
        {"开始/编辑/计算表达式（Ctrl+M)", "12*3 = 36"},
    };
    for (const auto& c : cases) {
        AppFixture app;
        app.k.writing.on = true;
        app.editor.setText("12*3");
        app.editor.setSelectionStart(2);
        app.ui.chooseMenu(c.item);
        EXPECT_EQ(app.editor.text(), c.after) << c.item;
    }
}

}  // namespace
}  // namespace kalamo::test
