#include "ui/qt/qt_ui_facade.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

#include "qt_test_support.h"
#include "ui/qt/main_window_widget.h"
#include "ui/qt/menu_set.h"

namespace kalamo::test {
namespace {

class FacadeTest : public testing::Test {
  protected:
    FacadeTest() { ui.setEventSink(&sink); }

    QtUiFacade ui;
    RecordingSink sink;
};

bool HasText(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::TransparentLabel:
        case ControlKind::LineEdit:
        case ControlKind::TextEdit:
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::GroupBox:
        case ControlKind::TabPage:
        case ControlKind::Hyperlink:
            return true;
        default:
            return false;
    }
}

// Every control of the table, read back through the facade once the window stands on
// screen, has the table's text, place and states.
TEST_F(FacadeTest, MainWindowHasEveryControlOfTheLayout) {
    ui.showWindow(kMainWindow);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ui.mainWindow()));
    const WindowSpec& layout = MainWindowLayout();
    for (const ControlSpec& c : layout.controls) {
        const std::string name = GbkToUtf8(c.name);
        if (c.kind == ControlKind::NonVisual) continue;
        if (c.kind == ControlKind::Timer) {
            EXPECT_EQ(ui.timerPeriod(c.name), c.period) << name;
            continue;
        }
        ASSERT_NE(ui.mainWindow().widget(c.name), nullptr) << name;
        EXPECT_EQ(ui.isVisible(c.name), c.visible) << name;
        EXPECT_EQ(ui.isEnabled(c.name), c.enabled) << name;
        EXPECT_EQ(ui.isChecked(c.name), c.checked) << name;
        if (HasText(c.kind)) {
            EXPECT_EQ(GbkToUtf8(ui.text(c.name)), GbkToUtf8(c.text)) << name;
        }
        if (c.kind != ControlKind::TabPage && c.kind != ControlKind::StatusBar) {
            EXPECT_EQ(ui.geometry(c.name), c.place) << name;
        }
        if (c.kind == ControlKind::DropDownList) {
            auto* list = qobject_cast<QComboBox*>(ui.mainWindow().widget(c.name));
            ASSERT_EQ(list->count(), static_cast<int>(c.entries.size())) << name;
            EXPECT_EQ(list->itemText(list->count() - 1).toStdString(), GbkToUtf8(c.entries.back()));
            EXPECT_EQ(ui.listIndex(c.name), 0) << name;
        }
    }
    for (std::size_t i = 0; i < layout.statusParts.size(); ++i) {
        EXPECT_EQ(ui.statusText(static_cast<int>(i)), layout.statusParts[i].text);
        EXPECT_EQ(ui.statusWidth(static_cast<int>(i)), layout.statusParts[i].width);
    }
    EXPECT_EQ(ui.windowCaption(kMainWindow), layout.caption);
    EXPECT_EQ(ui.windowSize(kMainWindow), (Size{1119, 838}));
    EXPECT_EQ(ui.pickerColour(G("颜色")), 0u);
    EXPECT_EQ(ui.selectedTabPage(G("高级选择夹1")), 0);
    // Every control of a tab page is inside the page, even where the tabs are taller than
    // the layout allowed for, and still reports the layout's place.
    ui.setVisible(G("关于"), true);
    for (int page = 0; page < 4; ++page) {
        ui.selectTabPage(G("高级选择夹1"), page);
        QTest::qWait(1);
    }
    for (const ControlSpec& c : layout.controls) {
        const ControlSpec* parent = FindControl(layout, c.parent);
        if (!parent || parent->kind != ControlKind::TabPage) continue;
        QWidget* w = ui.mainWindow().widget(c.name);
        EXPECT_GE(w->y(), 0) << GbkToUtf8(c.name);
        EXPECT_LE(w->geometry().bottom(), w->parentWidget()->height()) << GbkToUtf8(c.name);
        EXPECT_EQ(ui.geometry(c.name), c.place) << GbkToUtf8(c.name);
    }
}

TEST_F(FacadeTest, ControlPropertiesRoundTrip) {
    struct Case {
        const char* control;
        const char* text;
    };
    for (const Case& c :
         {Case{"标题栏", "新的标题"}, Case{"开始书写按钮", "立刻保存"}, Case{"自动保存", "开启"},
          Case{"章节名称", "第一章\u3000开端"}, Case{"功能设置", "功能"}, Case{"关于", "设定"},
          Case{"超级列表框1", "一行\r\n两行"}}) {
        ui.setText(G(c.control), G(c.text));
        EXPECT_EQ(GbkToUtf8(ui.text(G(c.control))), c.text) << c.control;
    }
    ui.setChecked(G("大字体"), true);
    EXPECT_TRUE(ui.isChecked(G("大字体")));
    ui.setListIndex(G("键盘音"), 3);
    EXPECT_EQ(ui.listIndex(G("键盘音")), 3);
    EXPECT_EQ(ui.text(G("键盘音")), G("空洞水滴（1900积分）"));
    ui.setPickerColour(G("颜色"), Rgb(5, 186, 73));
    EXPECT_EQ(ui.pickerColour(G("颜色")), Rgb(5, 186, 73));
    ui.setEnabled(G("颜色"), false);
    EXPECT_FALSE(ui.isEnabled(G("颜色")));
    // Unknown names are ignored rather than fatal.
    ui.setText(G("没有这个控件"), G("x"));
    EXPECT_EQ(ui.text(G("没有这个控件")), "");
}

// A hidden page cannot be selected; hiding the selected page moves the selection away.
TEST_F(FacadeTest, HiddenTabPagesCannotBeSelected) {
    const std::string tabs = G("高级选择夹1");
    ui.selectTabPage(tabs, 2);
    EXPECT_EQ(ui.selectedTabPage(tabs), 2);
    ui.setVisible(G("积分任务"), false);
    EXPECT_FALSE(ui.isVisible(G("积分任务")));
    EXPECT_NE(ui.selectedTabPage(tabs), 2);
    ui.selectTabPage(tabs, 3);
    ui.selectTabPage(tabs, 2);
    EXPECT_EQ(ui.selectedTabPage(tabs), 3);
    ui.setVisible(G("积分任务"), true);
    ui.selectTabPage(tabs, 2);
    EXPECT_EQ(ui.selectedTabPage(tabs), 2);
}

TEST_F(FacadeTest, EveryMenuItemExistsWithItsStates) {
    for (const MenuItemSpec& m : MainMenus()) {
        if (m.separator) continue;
        const std::string name = GbkToUtf8(m.id);
        ASSERT_TRUE(ui.menus().has(m.id)) << name;
        EXPECT_EQ(ui.menus().action(m.id)->text().toStdString(), GbkToUtf8(m.caption)) << name;
        EXPECT_TRUE(ui.isMenuEnabled(m.id)) << name;
        ui.setMenuEnabled(m.id, false);
        EXPECT_FALSE(ui.isMenuEnabled(m.id)) << name;
        ui.setMenuEnabled(m.id, true);
        EXPECT_TRUE(ui.isMenuEnabled(m.id)) << name;
        if (m.submenu) {
            EXPECT_NE(ui.menus().menu(m.id), nullptr) << name;
            continue;
        }
        EXPECT_FALSE(ui.isMenuChecked(m.id)) << name;
        ui.setMenuChecked(m.id, true);
        EXPECT_TRUE(ui.isMenuChecked(m.id)) << name;
        EXPECT_TRUE(ui.menus().action(m.id)->isChecked()) << name;
        ui.setMenuChecked(m.id, false);
        EXPECT_FALSE(ui.isMenuChecked(m.id)) << name;
    }
    for (const char* top : {kMenuStart, kMenuVoice, kMenuWriting})
        EXPECT_NE(ui.menus().menu(top), nullptr);
}

// Choosing reports the item and leaves its check mark to the logic; an item inside a
// disabled submenu cannot be chosen.
TEST_F(FacadeTest, ChoosingMenuItems) {
    const std::string large = G("开始/编辑/大字号模式（F2）");
    ui.setMenuChecked(large, true);
    ui.menus().action(large)->trigger();
    EXPECT_EQ(sink.names(EventKind::MenuChosen), std::vector<std::string>{GbkToUtf8(large)});
    EXPECT_TRUE(ui.isMenuChecked(large));
    EXPECT_TRUE(ui.menus().action(large)->isChecked());

    ui.setMenuEnabled(G("开始/编辑"), false);
    ui.menus().action(G("开始/编辑/插入/当前时间（F5）"))->trigger();
    ui.menus().action(large)->trigger();
    EXPECT_EQ(sink.of(EventKind::MenuChosen).size(), 1u);
    ui.menus().action(G("开始/退出"))->trigger();
    EXPECT_EQ(sink.names(EventKind::MenuChosen).back(), "开始/退出");
}

TEST_F(FacadeTest, StatusPartsFollowTheirWidths) {
    ui.showWindow(kMainWindow);
    ui.setStatusWidth(2, 640);
    ui.setStatusText(1, G("你已经连续书写5分钟"));
    EXPECT_EQ(ui.statusWidth(2), 640);
    EXPECT_EQ(ui.statusText(1), G("你已经连续书写5分钟"));
    auto* bar = ui.mainWindow().widget(G("状态条1"));
    const QList<QLabel*> labels = bar->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 4);
    EXPECT_EQ(labels[2]->width(), 640);
    // The last part takes what is left.
    ui.resizeWindow(kMainWindow, {1000, 700});
    QTest::qWait(10);
    EXPECT_EQ(ui.geometry(G("状态条1")).y + ui.geometry(G("状态条1")).height, 700);
    EXPECT_EQ(ui.geometry(G("状态条1")).width, 1000);
    EXPECT_GT(labels[3]->width(), 0);
    ui.setStatusText(7, G("无"));  // no such part: ignored
    EXPECT_EQ(ui.statusText(7), "");
}

TEST_F(FacadeTest, TimersTickUntilStopped) {
    const std::string clock = G("时钟2");
    ui.setTimerPeriod(clock, 5);
    EXPECT_EQ(ui.timerPeriod(clock), 5);
    ASSERT_TRUE(WaitFor([&] { return sink.of(EventKind::TimerTick).size() >= 2; }));
    EXPECT_EQ(sink.names(EventKind::TimerTick).front(), "时钟2");
    ui.setTimerPeriod(clock, 0);
    ui.setTimerPeriod(G("时钟1"), 0);
    EXPECT_EQ(ui.timerPeriod(clock), 0);
    const std::size_t ticks = sink.of(EventKind::TimerTick).size();
    QTest::qWait(40);
    EXPECT_EQ(sink.of(EventKind::TimerTick).size(), ticks);
}

TEST_F(FacadeTest, WindowSizeAndPlaceAreReportedOnce) {
    ui.resizeWindow(kMainWindow, {900, 600});
    EXPECT_EQ(sink.of(EventKind::SizeChanged).size(), 1u);
    EXPECT_EQ(ui.windowSize(kMainWindow), (Size{900, 600}));
    ui.showWindow(kMainWindow);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ui.mainWindow()));
    EXPECT_EQ(sink.of(EventKind::SizeChanged).size(), 1u);
    ui.moveWindow(kMainWindow, 70, 80);
    EXPECT_EQ(sink.of(EventKind::Moved).size(), 1u);
    EXPECT_EQ(ui.windowGeometry(kMainWindow), (Rect{70, 80, 900, 600}));
    ui.resizeWindow(kMainWindow, {300, 300});  // the window keeps its minimum
    EXPECT_EQ(ui.windowSize(kMainWindow), (Size{400, 400}));
}

TEST_F(FacadeTest, AlwaysOnTopKeepsTheWindowAsItWas) {
    ui.showWindow(kMainWindow);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ui.mainWindow()));
    ui.setWindowOpacity(kMainWindow, 200);
    ui.setWindowBackground(kMainWindow, Rgb(5, 186, 73));
    ui.setAlwaysOnTop(kMainWindow, true);
    EXPECT_TRUE(ui.isAlwaysOnTop(kMainWindow));
    EXPECT_TRUE(ui.isWindowVisible(kMainWindow));
    EXPECT_TRUE(ui.mainWindow().windowFlags().testFlag(Qt::FramelessWindowHint));
    ui.setAlwaysOnTop(kMainWindow, false);
    EXPECT_FALSE(ui.isAlwaysOnTop(kMainWindow));
    EXPECT_TRUE(ui.isWindowVisible(kMainWindow));
    EXPECT_EQ(ui.windowOpacity(kMainWindow), 200);
    EXPECT_NEAR(ui.mainWindow().windowOpacity(), 200 / 255.0, 0.01);
    EXPECT_EQ(ui.mainWindow().palette().color(QPalette::Window), QColor(5, 186, 73));
}

TEST_F(FacadeTest, ClosingTheMainWindowReportsItOnce) {
    ui.showWindow(kMainWindow);
    ui.closeWindow(kMainWindow);
    EXPECT_FALSE(ui.isWindowVisible(kMainWindow));
    EXPECT_EQ(sink.of(EventKind::WillBeDestroyed).size(), 1u);
    EXPECT_TRUE(sink.of(EventKind::WillBeDestroyed).front().control.empty());
}

// Texts of another window's controls are named "window.control"; window names may hold dots.
TEST_F(FacadeTest, OtherWindowsAreBuiltFromTheirLayouts) {
    WindowSpec spec;
    spec.name = G("随机取名v2.1");
    spec.caption = spec.name;
    spec.place = {0, 0, 300, 200};
    ControlSpec label;
    label.name = G("透明标签10");
    label.kind = ControlKind::Label;
    label.place = {10, 10, 200, 20};
    label.text = G("名字");
    spec.controls.push_back(label);
    ui.addWindow(spec);
    EXPECT_EQ(ui.text(G("随机取名v2.1.透明标签10")), G("名字"));
    ui.setText(G("随机取名v2.1.透明标签10"), G("新名字"));
    EXPECT_EQ(ui.text(G("随机取名v2.1.透明标签10")), G("新名字"));
    EXPECT_FALSE(ui.isWindowVisible(spec.name));
    ui.showWindow(spec.name);
    EXPECT_TRUE(ui.isWindowVisible(spec.name));
    EXPECT_EQ(ui.windowCaption(spec.name), spec.caption);
}

// Boxes and dialogs go through the presenter, which a test (or a scripted run) can answer.
TEST_F(FacadeTest, DialogsGoThroughThePresenter) {
    struct Scripted : MessagePresenter {
        MessageAnswer ask(const MessageBoxSpec& box) override {
            asked.push_back(box.text);
            return MessageAnswer::No;
        }
        std::optional<std::string> chooseFile(const FileDialogSpec& spec, bool saving) override {
            chosen.push_back(spec.defaultExtension + (saving ? " save" : " open"));
            return "/tmp/a." + spec.defaultExtension;
        }
        std::vector<std::string> asked, chosen;
    } scripted;
    ui.setPresenter(&scripted);
    EXPECT_EQ(ui.showMessage({G("是否使用推荐背景颜色？"), "Kalamo", MessageButtons::YesNo,
                              MessageIcon::None}),
              MessageAnswer::No);
    FileDialogSpec spec;
    spec.defaultExtension = "txt";
    EXPECT_EQ(ui.saveFileDialog(spec), "/tmp/a.txt");
    spec.defaultExtension = "kmt";
    EXPECT_EQ(ui.openFileDialog(spec), "/tmp/a.kmt");
    EXPECT_EQ(scripted.asked, std::vector<std::string>{G("是否使用推荐背景颜色？")});
    EXPECT_EQ(scripted.chosen, (std::vector<std::string>{"txt save", "kmt open"}));
    ui.setPresenter(nullptr);
}

}  // namespace
}  // namespace kalamo::test
