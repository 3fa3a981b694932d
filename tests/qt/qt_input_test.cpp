#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>

#include "qt_test_support.h"
#include "ui/qt/main_window_widget.h"
#include "ui/qt/qt_editor_view.h"
#include "ui/qt/qt_ui_facade.h"

namespace kalamo::test {
namespace {

// The main window on screen and active, the editor enabled, the hotkeys of start-up
// registered; without an X display they all fall back to window keys.
class InputTest : public testing::Test {
  protected:
    void SetUp() override {
        ui.setEventSink(&sink);
        ui.editor().setEnabled(true);
        for (int vk : {119, 120, 112, 115}) ids.push_back(ui.registerHotkey(vk));
        ui.showWindow(kMainWindow);
        ui.mainWindow().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ui.mainWindow()));
    }

    QWidget* control(const char* name) const { return ui.mainWindow().widget(G(name)); }
    // On a real X server the hotkeys are grabbed system-wide, and keys sent past the
    // server never reach them.
    static bool HotkeysFallBack() {
        return QGuiApplication::platformName() != QLatin1String("xcb");
    }
    // Keys travel as the window system delivers them, to the widget with the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(ui.mainWindow().windowHandle(), key, modifiers);
    }

    QtUiFacade ui;
    RecordingSink sink;
    std::vector<int> ids;
};

TEST_F(InputTest, HotkeyIdentifiersStartAtOneAndStay) {
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(ui.registerHotkey(119), 1);
    EXPECT_EQ(ui.registerHotkey(117), 5);
}

// Shortcuts match only with exactly their modifiers and go no further; other keys reach
// the editor's handler with their virtual-key code and modifier sum.
TEST_F(InputTest, KeysInTheEditor) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* menuItem;  // nullptr: none
        int hotkeyIndex;       // -1: none
        int vk, sum;           // 0: no key press reaches the editor
    };
    const Case cases[] = {
        {Qt::Key_F5, Qt::NoModifier, "开始/编辑/插入/当前时间（F5）", -1, 0, 0},
        {Qt::Key_F5, Qt::ShiftModifier, nullptr, -1, 116, 2},
        {Qt::Key_F2, Qt::NoModifier, "开始/编辑/大字号模式（F2）", -1, 0, 0},
        {Qt::Key_F2, Qt::ControlModifier | Qt::AltModifier, nullptr, -1, 113, 5},
        {Qt::Key_L, Qt::ControlModifier, "开始/编辑/插入/分割线（Ctrl+L）", -1, 0, 0},
        {Qt::Key_F, Qt::ControlModifier, "开始/编辑/查找文本（Ctrl+F）", -1, 0, 0},
        {Qt::Key_M, Qt::ControlModifier, nullptr, -1, 77, 1},
        {Qt::Key_1, Qt::ControlModifier, nullptr, -1, 49, 1},
        {Qt::Key_Exclam, Qt::ControlModifier | Qt::ShiftModifier, nullptr, -1, 49, 3},
        {Qt::Key_A, Qt::NoModifier, nullptr, -1, 65, 0},
        {Qt::Key_Return, Qt::NoModifier, nullptr, -1, 13, 0},
        // Both a menu shortcut and a hotkey the system refused: the menu item acts.
        {Qt::Key_F8, Qt::NoModifier, "开始/设置（F8）", -1, 0, 0},
        {Qt::Key_F8, Qt::ShiftModifier, nullptr, -1, 119, 2},
        // A refused hotkey with no menu item still works while the window has the focus.
        {Qt::Key_F1, Qt::NoModifier, nullptr, 2, 0, 0},
    };
    auto* editor = qobject_cast<QPlainTextEdit*>(control("编辑框1"));
    editor->setFocus();
    for (const Case& c : cases) {
        if (c.hotkeyIndex >= 0 && !HotkeysFallBack()) continue;
        sink.events.clear();
        press(c.key, c.modifiers);
        const std::string what = QKeySequence(c.key | c.modifiers).toString().toStdString();
        const auto chosen = sink.names(EventKind::MenuChosen);
        EXPECT_EQ(chosen,
                  c.menuItem ? std::vector<std::string>{c.menuItem} : std::vector<std::string>{})
            << what;
        const auto hotkeys = sink.of(EventKind::Hotkey);
        ASSERT_EQ(hotkeys.size(), c.hotkeyIndex < 0 ? 0u : 1u) << what;
        if (c.hotkeyIndex >= 0) {
            EXPECT_EQ(hotkeys[0].hotkeyId, ids[static_cast<std::size_t>(c.hotkeyIndex)]);
            EXPECT_EQ(hotkeys[0].control, MainWindowWidget::HotkeyReceiverName());
        }
        const auto keys = sink.keys();
        ASSERT_EQ(keys.size(), c.vk ? 1u : 0u) << what;
        if (c.vk) {
            EXPECT_EQ(keys[0].control, G("编辑框1")) << what;
            EXPECT_EQ(keys[0].key, c.vk) << what;
            EXPECT_EQ(keys[0].modifiers, c.sum) << what;
        }
    }
}

// The window's keys come before a text box's own bindings (Delete is one of a line edit's);
// a shortcut of a disabled submenu does nothing.
TEST_F(InputTest, ShortcutsWinOverTheTitleBoxAndFollowTheMenu) {
    auto* title = qobject_cast<QLineEdit*>(control("章节名称"));
    title->setFocus();
    title->setText(QStringLiteral("ab"));
    title->setCursorPosition(0);
    if (HotkeysFallBack()) {
        const int deleteKey = ui.registerHotkey(46);
        press(Qt::Key_Delete);
        ASSERT_EQ(sink.of(EventKind::Hotkey).size(), 1u);
        EXPECT_EQ(sink.of(EventKind::Hotkey)[0].hotkeyId, deleteKey);
        EXPECT_EQ(title->text(), QStringLiteral("ab"));
    }
    press(Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(sink.names(EventKind::MenuChosen),
              std::vector<std::string>{"开始/编辑/替换文本（Ctrl+H）"});
    EXPECT_EQ(title->text(), QStringLiteral("ab"));
    press(Qt::Key_Return);
    ASSERT_EQ(sink.keys().size(), 1u);
    EXPECT_EQ(sink.keys()[0].control, G("章节名称"));
    EXPECT_EQ(sink.keys()[0].key, 13);

    sink.events.clear();
    ui.setMenuEnabled(G("开始/编辑"), false);
    press(Qt::Key_H, Qt::ControlModifier);
    press(Qt::Key_F5);
    EXPECT_TRUE(sink.of(EventKind::MenuChosen).empty());
}

TEST_F(InputTest, MousePressesOnControls) {
    QTest::mouseClick(control("开始书写按钮"), Qt::LeftButton);
    EXPECT_EQ(sink.names(EventKind::Click), std::vector<std::string>{"开始书写按钮"});
    sink.events.clear();
    // A right press on the start button is a press, not a click.
    QTest::mouseClick(control("开始书写按钮"), Qt::RightButton);
    EXPECT_EQ(sink.names(EventKind::RightPress), std::vector<std::string>{"开始书写按钮"});
    EXPECT_TRUE(sink.of(EventKind::Click).empty());

    sink.events.clear();
    QTest::mousePress(control("标题栏"), Qt::LeftButton);
    QTest::mouseRelease(control("标题栏"), Qt::LeftButton);
    QTest::mouseDClick(control("标题栏"), Qt::LeftButton);
    EXPECT_EQ(sink.names(EventKind::LeftPress), std::vector<std::string>{"标题栏"});
    EXPECT_EQ(sink.names(EventKind::DoubleClick), std::vector<std::string>{"标题栏"});

    sink.events.clear();
    QLabel* part = control("状态条1")->findChildren<QLabel*>().front();
    QTest::mouseClick(part, Qt::LeftButton);
    QTest::mouseClick(control("开始按钮"), Qt::LeftButton);
    QTest::mouseClick(control("右下调节器"), Qt::LeftButton);
    EXPECT_EQ(sink.names(EventKind::LeftPress),
              (std::vector<std::string>{"状态条1", "开始按钮", "右下调节器"}));
    EXPECT_EQ(control("右下调节器")->cursor().shape(), Qt::SizeFDiagCursor);

    sink.events.clear();
    ui.setVisible(G("关于"), true);
    QTest::mouseClick(control("显示统计"), Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(sink.names(EventKind::CheckClicked), std::vector<std::string>{"显示统计"});
    EXPECT_TRUE(ui.isChecked(G("显示统计")));
}

TEST_F(InputTest, DroppedFilesAndText) {
    ui.registerDropTarget();
    auto drop = [&](QMimeData& data) {
        QDragEnterEvent enter(QPoint(500, 300), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&ui.mainWindow(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(500, 300), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&ui.mainWindow(), &dropped);
    };
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QString::fromUtf8("/tmp/稿/第三章.txt")),
                   QUrl::fromLocalFile(QStringLiteral("/tmp/b.kmt"))});
    drop(files);
    ASSERT_EQ(sink.of(EventKind::FilesDropped).size(), 1u);
    const UiEvent filesEvent = sink.of(EventKind::FilesDropped)[0];
    EXPECT_EQ(filesEvent.control, G("拖放对象1"));
    EXPECT_EQ(filesEvent.files, (std::vector<std::string>{"/tmp/稿/第三章.txt", "/tmp/b.kmt"}));

    QMimeData text;
    text.setText(QString::fromUtf8("第一行\n第二行"));
    drop(text);
    ASSERT_EQ(sink.of(EventKind::TextDropped).size(), 1u);
    EXPECT_EQ(sink.of(EventKind::TextDropped)[0].text, G("第一行\r\n第二行"));
    // The editor leaves dropped text to the window's drop target.
    EXPECT_FALSE(control("编辑框1")->acceptDrops());
}

TEST_F(InputTest, EditorChangesAreReportedAsTextChanged) {
    auto* editor = qobject_cast<QPlainTextEdit*>(control("编辑框1"));
    editor->setFocus();
    ui.editor().setText(G("开头"));
    sink.events.clear();
    press(Qt::Key_X);
    press(Qt::Key_Y);
    EXPECT_EQ(sink.names(EventKind::TextChanged), (std::vector<std::string>{"编辑框1", "编辑框1"}));
    EXPECT_EQ(ui.editor().text(), G("xy开头"));
}

// Without a window manager to hand the drag to, the window follows the mouse itself, and
// never below its minimum size.
TEST_F(InputTest, GripDragResizesTheWindow) {
    QWidget* grip = control("右下调节器");
    ui.moveWindow(kMainWindow, 0, 0);
    ui.resizeWindow(kMainWindow, {800, 600});
    sink.events.clear();
    const QPoint corner(4, 4);
    QCursor::setPos(grip->mapToGlobal(corner));  // the offscreen pointer stays put otherwise
    QTest::mousePress(grip, Qt::LeftButton, {}, corner);
    ui.beginSystemResize(kMainWindow, ResizeEdge::BottomRight);
    QTest::mouseMove(grip, corner + QPoint(50, 30));
    EXPECT_EQ(ui.windowSize(kMainWindow), (Size{850, 630}));
    QTest::mouseMove(grip, corner + QPoint(-600, -600));
    EXPECT_EQ(ui.windowSize(kMainWindow), (Size{400, 400}));
    QTest::mouseRelease(grip, Qt::LeftButton, {}, corner + QPoint(-600, -600));
    QTest::mouseMove(control("标题栏"), QPoint(5, 5));
    EXPECT_EQ(ui.windowSize(kMainWindow), (Size{400, 400}));
    EXPECT_FALSE(sink.of(EventKind::SizeChanged).empty());
}

}  // namespace
}  // namespace kalamo::test
