// The editor's key handler behind the real widgets: the window's shortcuts come first, then
// the handler, then the editor's own handling of the key, which the handler never takes.
#include <gtest/gtest.h>

#include <QInputMethodEvent>
#include <QPlainTextEdit>

#include "editor/key_commands.h"
#include "qt_test_support.h"
#include "support/test_kalamo.h"
#include "ui/layouts/window_layout.h"
#include "ui/qt/main_window_widget.h"
#include "ui/qt/qt_editor_view.h"
#include "ui/qt/qt_ui_facade.h"

namespace kalamo::test {
namespace {

class EditorKeysTest : public testing::Test, public EventSink {
  protected:
    void SetUp() override {
        ui.setEventSink(this);
        ui.editor().setEnabled(true);
        ui.showWindow(kMainWindow);
        ui.mainWindow().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ui.mainWindow()));
        editor()->setFocus();
        ui.editor().setText({});
        ui.setListIndex(G("键盘音"), 1);
    }
    void TearDown() override { ui.setEventSink(nullptr); }

    // Editor key presses go to the handler, with the editor's text as the handler found it.
    void handle(const UiEvent& e) override {
        if (e.kind == EventKind::MenuChosen) menus.push_back(GbkToUtf8(e.control));
        if (e.kind != EventKind::KeyPress || e.control != G("编辑框1")) return;
        if (e.key >= 16 && e.key <= 18) return;  // Shift, Ctrl or Alt on its own
        textsSeen.push_back(GbkToUtf8(ui.editor().text()));
        keys.onEditorKey(e.key, e.modifiers);
    }

    QPlainTextEdit* editor() const {
        return qobject_cast<QPlainTextEdit*>(ui.mainWindow().widget(G("编辑框1")));
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(ui.mainWindow().windowHandle(), key, modifiers);
    }

    QtUiFacade ui;
    TestKalamo t;
    Kalamo k{Services{ui, ui.editor(), t.settings, t.files, t.clock, t.paths, t.processes}, {}};
    int evaluations = 0, times = 0;
    KeyCommands keys{k, [this] { ++evaluations; }, [this] { ++times; }};
    std::vector<std::string> textsSeen, menus;
};

TEST_F(EditorKeysTest, TheHandlerComesFirstAndTheEditorStillTakesTheKey) {
    press(Qt::Key_X);
    press(Qt::Key_Y);
    EXPECT_EQ(textsSeen, (std::vector<std::string>{"", "x"}));
    EXPECT_EQ(ui.editor().text(), "xy");
    EXPECT_EQ(ui.soundsRequested(), 2);

    // Ctrl+1 is the handler's alone: the widget types nothing for it.
    t.settings.writeSetting(G("快捷设置"), "0", G("此致敬礼"));
    press(Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(ui.editor().text(), G("xy此致敬礼"));
    EXPECT_EQ(ui.editor().selectionStart(), 10u);

    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(ui.editor().selectionLength(), ui.editor().textLength());
    EXPECT_EQ(ui.soundsRequested(), 4);
}

// Plain F5 and F2 are the menu's shortcuts and go no further; with a modifier they reach
// the handler. A shortcut plays no key sound.
TEST_F(EditorKeysTest, ShortcutsTakeTheirExactKeysOnly) {
    ui.editor().setFontSize(16);
    press(Qt::Key_F5);
    press(Qt::Key_F2);
    EXPECT_EQ(menus, (std::vector<std::string>{"开始/编辑/插入/当前时间（F5）",
                                               "开始/编辑/大字号模式（F2）"}));
    EXPECT_EQ(times, 0);
    EXPECT_EQ(ui.editor().fontSize(), 16);
    EXPECT_EQ(ui.soundsRequested(), 0);

    press(Qt::Key_F5, Qt::ShiftModifier);
    press(Qt::Key_F2, Qt::ShiftModifier);
    press(Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(menus.size(), 2u);
    EXPECT_EQ(times, 1);
    EXPECT_EQ(ui.editor().fontSize(), 25);
    EXPECT_TRUE(ui.isChecked(G("大字体")));
    EXPECT_EQ(evaluations, 1);
    EXPECT_EQ(ui.soundsRequested(), 3);
}

// Chinese comes from the input method as committed text, without key presses of its own;
// it sounds like a key all the same.
TEST_F(EditorKeysTest, AnInputMethodCommitPlaysTheKeySound) {
    QInputMethodEvent typed;
    typed.setCommitString(QString::fromUtf8("中文"));
    QCoreApplication::sendEvent(editor(), &typed);
    EXPECT_EQ(textsSeen, std::vector<std::string>{""});
    EXPECT_EQ(ui.editor().text(), G("中文"));
    EXPECT_EQ(ui.soundsRequested(), 1);

    // Composing without a commit is no key yet.
    QInputMethodEvent composing(QString::fromUtf8("zhong"), {});
    QCoreApplication::sendEvent(editor(), &composing);
    EXPECT_EQ(ui.soundsRequested(), 1);
}

// The phrase window stands built from its layout; its one-line box gives a loaded phrase
// back whole, line break and leading blanks included, so saving it again changes nothing.
TEST(PhraseWindowQtTest, TheBoxGivesALoadedPhraseBackWhole) {
    QtUiFacade ui;
    const std::string list = std::string(kPhraseWindow) + G(".快捷键");
    const std::string box = std::string(kPhraseWindow) + G(".编辑框1");
    ui.setListIndex(list, 9);
    EXPECT_EQ(ui.listIndex(list), 9);
    EXPECT_EQ(ui.text(list), "ctrl+0");
    for (const char* phrase : {"第一行\r\n第二行", "  两个空格", "\r\n"}) {
        ui.setText(box, G(phrase));
        EXPECT_EQ(GbkToUtf8(ui.text(box)), phrase);
    }
    ui.showWindow(kPhraseWindow);
    EXPECT_EQ(ui.windowSize(kPhraseWindow), (Size{480, 65}));
}

}  // namespace
}  // namespace kalamo::test
