#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "ui/layouts/window_layout.h"

namespace kalamo::test {
namespace {

const char* const kBox = "字数统计.高级字数统计";

struct Writing : AppFixture {
    explicit Writing(bool showStatistics = false) {
        installed();
        settings.writeSetting("软件设置", "显示统计", showStatistics ? "真" : "假");
        start();
    }
    void change(const std::string& text) {
        editor.setText(text);
        changeAndPause();
    }
    bool docked() const {
        const Rect main = ui.windowGeometry(kMainWindow);
        const Rect own = ui.windowGeometry(kStatisticsWindow);
        return own.x == main.x + main.width && own.y + own.height == main.y + main.height;
    }
    bool shown() const { return ui.isWindowVisible(kStatisticsWindow); }
};

TEST(StatisticsWindow, EveryChangeCountsIntoTheStatusBarAndTheWindow) {
    Writing t;
    EXPECT_EQ(t.ui.text(kBox), "开始书写之后会显示详细的字数统计");
    t.change("ab，12\r\n汉字");
    EXPECT_EQ(t.ui.statusText(0), "当前字数：  5");
    EXPECT_EQ(t.ui.text(kBox),
              "字数统计\r\n汉字数量：3\r\n英文数量：2\r\n符号数量：2\r\n数字数量：2\r\n段落数："
              "2\r\n当前字数：  5");
    t.k.points = -1;
    t.change("汉字汉字");
    EXPECT_EQ(t.ui.statusText(0), "当前字数：  4");
    EXPECT_EQ(t.ui.text(kBox), "您需要积分达到0点才能有资格使用详细的文字统计");
}

TEST(StatisticsWindow, TheOptionShowsItDockedAndTheEditorKeepsTheFocus) {
    Writing hidden;
    EXPECT_FALSE(hidden.shown());
    Writing t(true);
    EXPECT_TRUE(t.shown());
    EXPECT_TRUE(t.docked());
    EXPECT_TRUE(t.ui.isMenuChecked("开始/字数统计"));

    t.ui.chooseMenu("开始/字数统计");
    EXPECT_FALSE(t.shown());
    EXPECT_FALSE(t.ui.isMenuChecked("开始/字数统计"));
    EXPECT_EQ(t.ini("软件设置", "显示统计"), "假");

    t.ui.focus("章节名称");
    t.ui.chooseMenu("开始/字数统计");
    EXPECT_TRUE(t.shown());
    EXPECT_EQ(t.ui.focused(), "编辑框1");
    EXPECT_EQ(t.ini("软件设置", "显示统计"), "真");

    t.ui.focus(kBox);
    t.ui.fire({kStatisticsWindow, "", EventKind::GotFocus});
    EXPECT_EQ(t.ui.focused(), "编辑框1");
}

TEST(StatisticsWindow, StaysDockedAsTheMainWindowMovesAndResizes) {
    Writing t(true);
    t.ui.moveWindow(kMainWindow, 130, 40);
    EXPECT_TRUE(t.docked());
    t.ui.resizeWindow(kMainWindow, {900, 640});
    EXPECT_TRUE(t.docked());
}

TEST(StatisticsWindow, AClickOnTheStatusBarShowsIt) {
    Writing t;
    t.ui.fire({kMainWindow, "状态条1", EventKind::LeftPress});
    EXPECT_TRUE(t.shown());
    EXPECT_TRUE(t.docked());
    EXPECT_EQ(t.ui.focused(), "编辑框1");
}

TEST(StatisticsWindow, AlwaysOnTopFollowsTheMainWindow) {
    Writing t(true);
    t.ui.setChecked("总在最前选择", true);
    t.ui.click("保存设置");
    EXPECT_TRUE(t.ui.isAlwaysOnTop(kStatisticsWindow));
}

std::string Chinese(int characters) {
    std::string text;
    for (int i = 0; i < characters; ++i) text += "汉";
    return text;
}

TEST(DailyWordCounts, EachKeyIsStampedOnceADayWhenItsCountIsPassed) {
    Writing t;
    const std::string today = "2016131";
    t.change(Chinese(1000));
    EXPECT_EQ(t.ini("软件设置", "1000字"), "");  // more than, not as many as
    t.change(Chinese(2001));
    EXPECT_EQ(t.ini("软件设置", "1000字"), today);
    EXPECT_EQ(t.ini("软件设置", "8000字"), "");
    EXPECT_EQ(t.ini("软件设置", "20000字"), "");

    // Known stamped: later changes neither read nor write the key again today.
    t.settings.writeSetting("软件设置", "1000字", "mark");
    t.change(Chinese(2002));
    EXPECT_EQ(t.ini("软件设置", "1000字"), "mark");

    t.clock.time.day = 1, t.clock.time.month = 2;
    t.change(Chinese(100001) + "   ");
    for (const char* key : {"1000字", "8000字", "20000字", "100000字"})
        EXPECT_EQ(t.ini("软件设置", key), "201621") << key;
}

TEST(DailyWordCounts, SpacesDoNotCountButLineEndsDo) {
    Writing t;
    std::string text;
    for (int i = 0; i < 1000; ++i) text += "a \r\n";
    t.change(text);  // 3000 bytes without the spaces: 1500
    EXPECT_EQ(t.ini("软件设置", "1000字"), "2016131");
}

TEST(DailyWordCounts, TextOpenedFromAFileEarnsNothing) {
    Writing t;
    t.k.writing.openedFromFile = true;
    t.change(Chinese(200001));
    EXPECT_EQ(t.ini("软件设置", "1000字"), "");
    EXPECT_EQ(t.ini("软件设置", "100000字"), "");
}

}  // namespace
}  // namespace kalamo::test
