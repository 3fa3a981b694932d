#include "writing/writing_modes.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/gbk.h"
#include "support/test_kalamo.h"

namespace kalamo {
namespace {

using test::TestKalamo;

constexpr const char* kBusy = "当前正在编辑文档呢，您可以保存或清空当前编辑来创建临时文本";

// Every control that shows the writing state, checked against one value.
void ExpectWritingControls(TestKalamo& t, bool on) {
    EXPECT_EQ(t.k.writing.on, on);
    EXPECT_EQ(t.ui.isEnabled("章节名称"), !on);
    EXPECT_EQ(GbkToUtf8(t.ui.text("开始书写按钮")), GbkToUtf8(on ? "立刻保存" : "开始书写"));
    EXPECT_EQ(t.editor.isEnabled(), on);
    EXPECT_EQ(t.ui.isMenuEnabled("开始/打开文件"), !on);
    EXPECT_EQ(t.ui.isMenuEnabled("开始/新建"), !on);
    EXPECT_EQ(t.ui.isMenuEnabled("开始/编辑"), on);
    EXPECT_EQ(t.ui.isMenuEnabled("开始/应用中心/打印文本"), on);
}

struct ModesTest : ::testing::Test {
    TestKalamo t;
    WritingModes modes{t.k, t.parts, t.parts};
};

TEST_F(ModesTest, StartButtonWithEmptyTitleStartsTemporaryText) {
    modes.ToggleWriting();
    const std::string header = "临时文本： 产生于2016年1月31日9时5分7秒    by：Kalamo";
    EXPECT_EQ(GbkToUtf8(t.ui.text("章节名称")), GbkToUtf8(header));
    EXPECT_EQ(GbkToUtf8(t.editor.text()), GbkToUtf8(header + "\r\n"));
    EXPECT_EQ(t.editor.selectionStart(), header.size() + 2);
    EXPECT_EQ(t.editor.selectionLength(), 0u);
    EXPECT_TRUE(t.editor.alignedLeft());
    EXPECT_EQ(t.ui.focused(), "编辑框1");
    EXPECT_EQ(t.k.writing.mode, WritingMode::TemporaryText);
    ExpectWritingControls(t, true);
}

TEST_F(ModesTest, StartButtonKeepsTypedTitleOrEditorText) {
    t.ui.setText("章节名称", "第一章");
    modes.ToggleWriting();
    EXPECT_EQ(GbkToUtf8(t.ui.text("章节名称")), GbkToUtf8("第一章"));
    EXPECT_EQ(GbkToUtf8(t.editor.text()), GbkToUtf8("第一章\r\n"));
    EXPECT_EQ(t.k.writing.mode, WritingMode::Article);

    TestKalamo opened;
    WritingModes openedModes{opened.k, opened.parts, opened.parts};
    opened.ui.setText("章节名称", "a.txt");
    opened.editor.setText("已有的正文");
    openedModes.ToggleWriting(true);
    EXPECT_EQ(GbkToUtf8(opened.editor.text()), GbkToUtf8("已有的正文"));
    ExpectWritingControls(opened, true);
}

TEST(WritingModeStarts, StampHeaderTailCaretLabelAndKeys) {
    struct Case {
        const char* name;
        std::function<void(WritingModes&)> start;
        const char* typedTitle;
        const char* title;
        const char* editorTail;
        const char* label;
        WritingMode mode;
    } cases[] = {
        {"temporary", &WritingModes::StartTemporaryText, "",
         "临时文本： 产生于2016年3月5日8时3分9秒    by：Kalamo", "\r\n", "标题/题目：",
         WritingMode::TemporaryText},
        {"article", &WritingModes::StartArticle, "第二章 风起", "第二章 风起", "\r\n", "旧标签",
         WritingMode::Article},
        {"diary", &WritingModes::StartDiary, "", "2016年3月5日星期7     by：Kalamo日记", "\r\n",
         "日记时间：", WritingMode::Diary},
        {"schedule", &WritingModes::StartSchedule, "",
         "K日程： 产生于2016年3月5日8时3分9秒    by：Kalamo",
         "\r\n###########点击F4开始添加日程###########", "标题/题目：", WritingMode::Schedule},
        {"shopping", &WritingModes::StartShoppingList, "",
         "K清单： 产生于2016年3月5日8时3分9秒    by：Kalamo",
         "\r\n###########点击F6开始添加物品###########", "标题/题目：", WritingMode::ShoppingList},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestKalamo t;
        WritingModes modes{t.k, t.parts, t.parts};
        t.clock.time = {2016, 3, 5, 8, 3, 9, 6};
        t.ui.setText("章节名称提示", "旧标签");
        t.ui.setText("章节名称", c.typedTitle);
        c.start(modes);
        const std::string editor = std::string(c.title) + c.editorTail;
        EXPECT_EQ(GbkToUtf8(t.ui.text("章节名称")), GbkToUtf8(c.title));
        EXPECT_EQ(GbkToUtf8(t.editor.text()), GbkToUtf8(editor));
        EXPECT_EQ(t.editor.selectionStart(), editor.size());
        EXPECT_EQ(GbkToUtf8(t.ui.text("章节名称提示")), GbkToUtf8(c.label));
        EXPECT_EQ(t.k.writing.mode, c.mode);
        ExpectWritingControls(t, true);
        EXPECT_EQ(t.ini("软件设置", "新手4"), c.mode == WritingMode::Schedule ? "真" : "");
        EXPECT_EQ(t.ini("软件设置", "新手6"), c.mode == WritingMode::ShoppingList ? "真" : "");
    }
}

TEST(WritingModeStarts, RefusalsChangeNothing) {
    struct Case {
        const char* name;
        std::function<void(WritingModes&)> start;
        bool writing;
        const char* typedTitle;
        const char* message;  // nullptr: silently ignored
    } cases[] = {
        {"temporary while writing", &WritingModes::StartTemporaryText, true, "", kBusy},
        {"schedule while writing", &WritingModes::StartSchedule, true, "", kBusy},
        {"shopping while writing", &WritingModes::StartShoppingList, true, "", kBusy},
        {"diary while writing", &WritingModes::StartDiary, true, "",
         "请清空章节名称直接点击写日记"},
        {"article while writing", &WritingModes::StartArticle, true, "", nullptr},
        {"article without title", &WritingModes::StartArticle, false, "",
         "请输入章节名称后建立小说书写环境"},
        {"diary with title", &WritingModes::StartDiary, false, "第一章",
         "请清空章节名称直接点击写日记"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestKalamo t;
        WritingModes modes{t.k, t.parts, t.parts};
        t.ui.setText("章节名称", c.typedTitle);
        if (c.writing) {
            modes.StartTemporaryText();
            t.editor.replaceSelection("正文");
        }
        const std::string title = t.ui.text("章节名称"), text = t.editor.text();
        const WritingMode mode = t.k.writing.mode;
        c.start(modes);
        if (c.message) {
            ASSERT_EQ(t.ui.messages().size(), 1u);
            EXPECT_EQ(GbkToUtf8(t.ui.messages()[0].box.text), GbkToUtf8(c.message));
            EXPECT_EQ(t.ui.messages()[0].box.caption, "Kalamo");
        } else {
            EXPECT_TRUE(t.ui.messages().empty());
        }
        EXPECT_EQ(GbkToUtf8(t.ui.text("章节名称")), GbkToUtf8(title));
        EXPECT_EQ(GbkToUtf8(t.editor.text()), GbkToUtf8(text));
        EXPECT_EQ(t.k.writing.mode, mode);
        if (c.writing) ExpectWritingControls(t, true);
        EXPECT_EQ(t.k.writing.on, c.writing);
        EXPECT_EQ(t.editor.isEnabled(), c.writing);
        EXPECT_TRUE(t.ui.dialogs().empty());
    }
}

TEST(DiaryHeader, WeekdayOneIsSunday) {
    struct Case {
        LocalDateTime time;
        const char* title;
    } cases[] = {
        {{2016, 1, 31, 23, 59, 59, 0}, "2016年1月31日星期1     by：Kalamo日记"},
        {{2016, 2, 1, 0, 0, 0, 1}, "2016年2月1日星期2     by：Kalamo日记"},
        {{2016, 12, 10, 12, 0, 0, 6}, "2016年12月10日星期7     by：Kalamo日记"},
    };
    for (const Case& c : cases) {
        TestKalamo t;
        WritingModes modes{t.k, t.parts, t.parts};
        t.clock.time = c.time;
        modes.StartDiary();
        EXPECT_EQ(GbkToUtf8(t.ui.text("章节名称")), GbkToUtf8(c.title));
    }
}

TEST_F(ModesTest, DiaryLookIsUndoneWhenClearedAndDayIsStamped) {
    t.settings.writeSetting("文本设置", "背景颜色", "16744448");
    t.ui.setChecked("总在最前选择", true);
    const Colour orange = Rgb(255, 128, 0), white = Rgb(255, 255, 255);

    modes.StartDiary();
    EXPECT_EQ(t.ui.window(kMainWindow).background, orange);
    EXPECT_EQ(t.editor.backColour(), orange);
    EXPECT_EQ(t.editor.textColour(), white);
    EXPECT_FALSE(t.ui.isEnabled("颜色"));
    EXPECT_FALSE(t.ui.isEnabled("顶图类型"));
    EXPECT_EQ(t.ui.timerPeriod("时钟1"), 0);
    EXPECT_EQ(GbkToUtf8(t.ui.statusText(2)), GbkToUtf8("日记模式"));
    ASSERT_EQ(t.ui.messages().size(), 1u);
    EXPECT_EQ(GbkToUtf8(t.ui.messages()[0].box.text),
              GbkToUtf8("您已经进入了专属的写日记模式，在写日记模式中，您拥有以下功能：\r\n"
                        "①靓丽的背景颜色（不能更换）\r\n②标题提示等各个地方优化\r\n"
                        "③关闭可能会打扰到你的小提示和推荐"));

    t.clock.time = {2016, 2, 1, 22, 0, 0, 1};
    t.ui.setTextColour("章节名称提示", 12345);
    t.ui.answerNext(MessageAnswer::Ok);
    t.ui.answerNext(MessageAnswer::Ok);
    modes.ClearEditing();
    ExpectWritingControls(t, false);
    EXPECT_EQ(t.k.writing.mode, WritingMode::None);
    EXPECT_TRUE(t.ui.isEnabled("颜色"));
    EXPECT_TRUE(t.ui.isEnabled("顶图类型"));
    EXPECT_EQ(t.ui.pickerColour("颜色"), 16744448u);
    EXPECT_EQ(t.ui.timerPeriod("时钟1"), 7500);
    EXPECT_EQ(t.ini("日记", "最后一次日记"), "201621");
    EXPECT_EQ(t.editor.textColour(), Rgb(0, 0, 0));
    EXPECT_EQ(t.ui.textColourOf("章节名称提示"), Rgb(0, 0, 0));
    EXPECT_EQ(t.parts.calls,
              (std::vector<std::string>{"applyBackgroundColour", "applyAndSaveSettings"}));
    EXPECT_TRUE(t.ui.isAlwaysOnTop(kMainWindow));
}

// The stored text colour is a list entry since the first run; older files hold the name.
TEST(DiaryEnd, TextColourComesBackAsTheUserChoseIt) {
    const std::pair<const char*, Colour> cases[] = {
        {"0", Rgb(255, 255, 255)}, {"1", Rgb(0, 0, 0)},          {"2", Rgb(0x62, 0xB6, 0xF4)},
        {"6", Rgb(0xBF, 0, 0)},    {"白色", Rgb(255, 255, 255)}, {"黑色", Rgb(0, 0, 0)},
        {"", Rgb(0, 0, 0)},        {"7", Rgb(0, 0, 0)},          {"-1", Rgb(0, 0, 0)},
    };
    for (const auto& [name, expected] : cases) {
        SCOPED_TRACE(GbkToUtf8(name));
        TestKalamo t;
        WritingModes modes{t.k, t.parts, t.parts};
        t.settings.writeSetting("文本设置", "文本颜色", name);
        modes.StartDiary();
        t.ui.setTextColour("章节名称提示", 12345);
        modes.EndWriting();
        EXPECT_EQ(t.editor.textColour(), expected);
        EXPECT_EQ(t.ui.textColourOf("章节名称提示"), expected);
    }
}

TEST_F(ModesTest, ShutDownEndsTheDiaryLookOnceWithoutApplyAndSave) {
    modes.StartDiary();
    modes.EndDiaryLook(false);
    EXPECT_TRUE(t.ui.isEnabled("颜色"));
    EXPECT_EQ(t.ini("日记", "最后一次日记"), "2016131");
    EXPECT_TRUE(t.k.writing.on);
    modes.EndWriting();  // the save at shut-down ends writing after it
    EXPECT_EQ(t.parts.calls, std::vector<std::string>{"applyBackgroundColour"});
}

TEST(ClearEditing, AnswersDecideAndTheFileIsNeverTouched) {
    struct Case {
        const char* name;
        bool writing;
        std::vector<MessageAnswer> answers;
        std::size_t messages;
        bool stillWriting;
    } cases[] = {
        {"not writing", false, {}, 1, false},
        {"cancel at first", true, {MessageAnswer::Cancel}, 1, true},
        {"cancel at second", true, {MessageAnswer::Ok, MessageAnswer::Cancel}, 2, true},
        {"ok twice", true, {MessageAnswer::Ok, MessageAnswer::Ok}, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestKalamo t;
        WritingModes modes{t.k, t.parts, t.parts};
        t.ui.setChecked("总在最前选择", true);
        t.ui.setAlwaysOnTop(kMainWindow, false);
        const std::string path = t.dir.file("a.txt");
        ASSERT_TRUE(t.files.writeAtomic(path, "原文"));
        if (c.writing) {
            t.k.writing.currentDocumentPath = path;
            t.k.writing.documentPassword = "pw";
            t.ui.setText("章节名称", "a.txt");
            modes.ToggleWriting();
            t.editor.replaceSelection("改过");
        }
        const std::string text = t.editor.text();
        for (MessageAnswer a : c.answers) t.ui.answerNext(a);
        modes.ClearEditing();

        ASSERT_EQ(t.ui.messages().size(), c.messages);
        const char* first = c.writing
                                ? "警告！该操作将会删除所有内容！清空当前软件编辑，但是不影响原文件"
                                : "还没有开始书写";
        EXPECT_EQ(GbkToUtf8(t.ui.messages()[0].box.text), GbkToUtf8(first));
        if (c.messages == 2) {
            EXPECT_EQ(GbkToUtf8(t.ui.messages()[1].box.text),
                      GbkToUtf8("警告！您真的接受初始化软件的一切后果么？"));
        }
        if (c.writing) ExpectWritingControls(t, c.stillWriting);
        EXPECT_EQ(t.k.writing.on, c.stillWriting);
        EXPECT_TRUE(t.ui.isAlwaysOnTop(kMainWindow));
        EXPECT_EQ(*t.files.readAll(path), "原文");
        if (c.stillWriting) {
            EXPECT_EQ(GbkToUtf8(t.editor.text()), GbkToUtf8(text));
            EXPECT_EQ(t.k.writing.currentDocumentPath, path);
        } else if (c.writing) {
            EXPECT_EQ(GbkToUtf8(t.editor.text()), GbkToUtf8("感谢您的使用"));
            EXPECT_EQ(t.ui.text("章节名称"), "");
            EXPECT_EQ(t.k.writing.currentDocumentPath, "");
            EXPECT_EQ(t.k.writing.documentPassword, "");
            EXPECT_EQ(t.k.writing.mode, WritingMode::None);
        }
    }
}

TEST_F(ModesTest, TwoShoppingListsRegisterF6Once) {
    modes.StartShoppingList();
    const int id = t.k.hotkeys.f6;
    EXPECT_NE(id, 0);
    t.ui.answerNext(MessageAnswer::Ok);
    t.ui.answerNext(MessageAnswer::Ok);
    modes.ClearEditing();
    modes.StartShoppingList();
    EXPECT_EQ(t.ui.hotkeyKeys(), std::vector<int>{117});
    EXPECT_EQ(t.k.hotkeys.f6, id);
}

TEST_F(ModesTest, WritingMenuOnlyWhileOffAndPictureBackgroundFollowsStart) {
    modes.ShowWritingMenu();
    t.k.pictureBackgroundOn = true;
    modes.StartSchedule();
    modes.ShowWritingMenu();
    EXPECT_EQ(t.ui.popups(), std::vector<std::string>{"开始书写"});
    EXPECT_TRUE(t.parts.called("applyEditorBackground"));
}

}  // namespace
}  // namespace kalamo
