#include <gtest/gtest.h>

#include <algorithm>

#include "app/app_fixture.h"
#include "base/gbk.h"
#include "ui/layouts/window_layout.h"

namespace kalamo::test {
namespace {

struct Started : AppFixture {
    Started() {
        installed();
        start();
    }
    int left(const char* c) const { return ui.geometry(c).x; }
    int width(const char* c) const { return ui.geometry(c).width; }
};

TEST(MainWindowLayout, TooSmallIsRaisedToTheMinimumAndSaved) {
    Started t;
    t.ui.resizeWindow(kMainWindow, {300, 300});
    EXPECT_EQ(t.ui.windowSize(kMainWindow), (Size{400, 400}));
    EXPECT_EQ(t.ini("软件设置", "高度"), "400");
    EXPECT_EQ(t.ini("软件设置", "宽度"), "400");
}

TEST(MainWindowLayout, ControlsFollowTheSize) {
    Started t;
    t.settings.writeSetting("软件设置", "状态栏", "显示");
    t.ui.resizeWindow(kMainWindow, {1000, 700});
    EXPECT_EQ(t.editor.geometry(), (Rect{2, 64, 996, 615}));
    EXPECT_EQ(t.width("标题栏"), 912);
    EXPECT_EQ(t.ui.statusWidth(2), 640);
    EXPECT_EQ(t.left("关闭按钮"), 975);
    EXPECT_EQ(t.left("最小化按钮1"), 951);
    EXPECT_EQ(t.left("右上调节器"), 992);
    EXPECT_EQ(t.ui.geometry("右下调节器"), (Rect{992, 692, 8, 8}));
    EXPECT_EQ(t.ui.geometry("下调节器"), (Rect{16, 695, 1000, 5}));
    EXPECT_EQ(t.ui.geometry("右调节器"), (Rect{995, 0, 8, 700}));
    EXPECT_EQ(t.width("章节名称"), 745);
    EXPECT_EQ(t.left("开始书写按钮"), 104 + 745 + 3);
    EXPECT_EQ(t.left("录音按钮"), 852 + 88 + 3);
    EXPECT_EQ(t.width("背景"), 1000);

    t.settings.writeSetting("软件设置", "状态栏", "隐藏");
    t.ui.resizeWindow(kMainWindow, {1000, 701});
    EXPECT_EQ(t.editor.geometry().height, 636) << "20 taller without the status bar";
}

TEST(MainWindowLayout, SettingsPanelStaysCentredCuttingTowardZero) {
    struct Case {
        Size size;
        int left, top;
    } cases[] = {{{1000, 700}, 204, 166}, {{1001, 701}, 204, 166}, {{400, 400}, -96, 16}};
    for (const Case& c : cases) {
        Started t;
        t.ui.resizeWindow(kMainWindow, c.size);
        Rect panel = t.ui.geometry("关于");
        EXPECT_EQ(panel.x, c.left) << c.size.width;
        EXPECT_EQ(panel.y, c.top) << c.size.height;
    }
}

TEST(MainWindowTitleBar, DragMovesAndDoubleClickMaximisesAndRestores) {
    Started t;
    Size before = t.ui.windowSize(kMainWindow);
    t.ui.fire({kMainWindow, "标题栏", EventKind::LeftPress});
    EXPECT_EQ(t.ui.systemCommands().back(), "move MainWindow");
    t.ui.fire({kMainWindow, "标题栏", EventKind::DoubleClick});
    EXPECT_EQ(t.ui.windowState(kMainWindow), WindowState::Maximised);
    EXPECT_EQ(t.ini("软件设置", "宽度"), std::to_string(before.width))
        << "the restored size is kept";
    EXPECT_EQ(t.ini("软件设置", "高度"), std::to_string(before.height));
    t.ui.fire({kMainWindow, "标题栏", EventKind::DoubleClick});
    EXPECT_EQ(t.ui.windowState(kMainWindow), WindowState::Normal);
    EXPECT_EQ(t.ui.windowSize(kMainWindow), before);
    t.ui.fire({kMainWindow, "最小化按钮1", EventKind::LeftPress});
    EXPECT_EQ(t.ui.windowState(kMainWindow), WindowState::Minimised);
}

TEST(MainWindowTitleBar, EveryGripResizesFromItsOwnEdge) {
    Started t;
    const std::pair<const char*, ResizeEdge> grips[] = {
        {"左上调节器", ResizeEdge::TopLeft},  {"上调节器", ResizeEdge::Top},
        {"右上调节器", ResizeEdge::TopRight}, {"左侧调节器", ResizeEdge::Left},
        {"右调节器", ResizeEdge::Right},      {"左下调节器", ResizeEdge::BottomLeft},
        {"下调节器", ResizeEdge::Bottom},     {"右下调节器", ResizeEdge::BottomRight},
    };
    for (const auto& [grip, edge] : grips) {
        t.ui.fire({kMainWindow, grip, EventKind::LeftPress});
        EXPECT_EQ(t.ui.systemCommands().back(),
                  "resize MainWindow " + std::to_string(static_cast<int>(edge)))
            << GbkToUtf8(grip);
    }
}

TEST(MainWindowTray, LeftClickRestoresAndRaisesRightClickOpensStart) {
    Started t;
    t.ui.setChecked("总在最前选择", true);
    t.ui.setWindowState(kMainWindow, WindowState::Minimised);
    t.ui.hideWindow(kMainWindow);
    t.ui.fire({kMainWindow, {}, EventKind::TrayLeftClick});
    EXPECT_TRUE(t.ui.isWindowVisible(kMainWindow));
    EXPECT_EQ(t.ui.windowState(kMainWindow), WindowState::Normal);
    EXPECT_FALSE(t.ui.isAlwaysOnTop(kMainWindow));
    EXPECT_TRUE(t.ui.isChecked("总在最前选择")) << "the option keeps its tick";
    t.ui.fire({kMainWindow, {}, EventKind::TrayRightClick});
    EXPECT_EQ(t.ui.popups().back(), "开始");
}

TEST(MainWindowMenus, WhoOpensWhichMenu) {
    Started t;
    t.ui.fire({kMainWindow, "开始按钮", EventKind::LeftPress});
    t.ui.fire({kMainWindow, "章节名称提示", EventKind::LeftPress});
    t.ui.fire({kMainWindow, "开始书写按钮", EventKind::RightPress});
    t.ui.fire({kMainWindow, "录音按钮", EventKind::LeftPress});
    EXPECT_EQ(t.ui.popups(), (std::vector<std::string>{"开始", "开始", "开始书写", "语音服务"}));
    t.ui.click("开始书写按钮");
    ASSERT_TRUE(t.k.writing.on);
    t.ui.fire({kMainWindow, "开始书写按钮", EventKind::RightPress});
    EXPECT_EQ(t.ui.popups().size(), 4u) << "no menu while writing";
}

TEST(MainWindowMenus, EveryMenuItemHasARoute) {
    Started t;
    for (const MenuItemSpec& m : MainMenus()) {
        if (m.separator || m.submenu) continue;
        EXPECT_TRUE(t.app.router.routes(kMainWindow, m.id, EventKind::MenuChosen))
            << GbkToUtf8(m.id);
    }
}

TEST(MainWindowMenus, NewWindowStartsASecondCopyWithoutArguments) {
    Started t;
    t.ui.chooseMenu("开始/打开新窗口");
    EXPECT_EQ(t.ui.startedProcesses(), (std::vector<std::string>{t.paths.exe}));
}

TEST(MainWindowHotkeys, RoutedByTheirIdentifiers) {
    Started t;
    t.ui.selectTabPage("高级选择夹1", 3);
    t.ui.pressHotkey(t.k.hotkeys.f8);
    EXPECT_TRUE(t.ui.isVisible("关于"));
    EXPECT_EQ(t.ui.selectedTabPage("高级选择夹1"), 3) << "F8 keeps the page";
    t.ui.setVisible("关于", false);
    t.ui.selectTabPage("高级选择夹1", 0);
    t.ui.pressHotkey(t.k.hotkeys.f1);
    EXPECT_EQ(t.ui.selectedTabPage("高级选择夹1"), 3);
    t.ui.pressHotkey(t.k.hotkeys.f9);
    EXPECT_EQ(t.ui.messageTexts().back(), "还没有开始书写");
    // F6 is grabbed by the first shopping list only, and only once for the run.
    EXPECT_EQ(t.k.hotkeys.f6, 0);
    t.ui.chooseMenu("开始/新建/购物清单");
    const int f6 = t.k.hotkeys.f6;
    EXPECT_NE(f6, 0);
    t.ui.answerNext(MessageAnswer::Ok);
    t.ui.answerNext(MessageAnswer::Ok);
    t.ui.pressHotkey(t.k.hotkeys.f9);
    t.ui.chooseMenu("开始/新建/购物清单");
    EXPECT_EQ(t.k.hotkeys.f6, f6);
    EXPECT_EQ(std::count(t.ui.hotkeyKeys().begin(), t.ui.hotkeyKeys().end(), 117), 1);
}

TEST(MainWindowSettingsMenu, SecondPressHidesWithoutSaving) {
    Started t;
    t.ui.selectTabPage("高级选择夹1", 3);
    t.parts.calls.clear();
    t.ui.chooseMenu("开始/设置（F8）");
    EXPECT_TRUE(t.ui.isVisible("关于"));
    EXPECT_EQ(t.ui.selectedTabPage("高级选择夹1"), 0);
    EXPECT_TRUE(t.parts.called("refresh"));
    t.ui.chooseMenu("开始/设置（F8）");
    EXPECT_FALSE(t.ui.isVisible("关于"));
    EXPECT_FALSE(t.parts.called("applyAndSaveSettings"));
}

TEST(MainWindowDocking, StatisticsWindowSitsAgainstTheRightEdgeBottomsAligned) {
    Started t;
    t.ui.moveWindow(kMainWindow, 100, 50);
    Rect main = t.ui.windowGeometry(kMainWindow);
    Rect stats = t.ui.windowGeometry("字数统计");
    EXPECT_EQ(stats.x, main.x + main.width);
    EXPECT_EQ(stats.y + stats.height, main.y + main.height);
}

}  // namespace
}  // namespace kalamo::test
