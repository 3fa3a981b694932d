#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>

#include "qt_test_support.h"
#include "support/modal_window_contract.h"
#include "ui/qt/layout_window.h"
#include "ui/qt/main_window_widget.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_ui_facade.h"
#include "ui/qt/virtual_key.h"

namespace kalamo::test {
namespace {

// A person at the real widgets: clicks, keys and the close box go through the window
// system's event path, where a modal window blocks the others.
class QtPerson : public Person {
  public:
    explicit QtPerson(QtUiFacade& ui) : ui_(ui) {}

    // Runs inside runModal's event loop, once the window is on screen and active.
    void whenOpen(const std::string& window, std::function<void()> act) override {
        LayoutWindow* w = ui_.window(window);
        ASSERT_NE(w, nullptr);
        QTimer::singleShot(0, w, [w, act = std::move(act)] {
            // QWindow::isActive counts a transient of the active window as active: not enough.
            EXPECT_TRUE(WaitFor([w] { return QApplication::activeWindow() == w; }));
            act();
            if (!WaitFor([w] { return !w->isVisible(); }, 1000)) {
                ADD_FAILURE() << "the modal window is still open";
                w->hide();
            }
        });
    }
    // Chinese arrives as an input method's committed text, not as key presses.
    void type(const std::string& text) override {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QInputMethodEvent typed;
        typed.setCommitString(QStringFromGbk(text));
        QApplication::sendEvent(target, &typed);
    }
    void pressKey(int virtualKey) override {
        QWindow* focus = QGuiApplication::focusWindow();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, static_cast<Qt::Key>(QtKeyOfVirtualKey(virtualKey)));
    }
    void click(const std::string& control) override {
        const std::string window = kPasswordWindow;
        ASSERT_EQ(control.rfind(window + ".", 0), 0u);
        ClickWidget(*ui_.window(window)->widget(control.substr(window.size() + 1)));
    }
    void closeBox(const std::string& window) override {
        ui_.window(window)->windowHandle()->close();
    }
    bool isModal(const std::string& window) const override {
        LayoutWindow* w = ui_.window(window);
        return w->isModal() && QApplication::activeModalWidget() == w;
    }

    static void ClickWidget(QWidget& widget) {
        QWidget* top = widget.window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                          widget.mapTo(top, widget.rect().center()));
    }

  private:
    QtUiFacade& ui_;
};

class ModalWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        ui.showWindow(kMainWindow);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ui.mainWindow()));
    }

    QtUiFacade ui;
    QtPerson person{ui};
};

TEST_F(ModalWindowTest, KeepsTheFacadeContract) {
    CheckModalWindowContract(ui, person);
    auto* box = qobject_cast<QLineEdit*>(ui.window(kPasswordWindow)->widget(G("编辑框1")));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->echoMode(), QLineEdit::Normal) << "the password shows in clear";
}

// While the window is open the main window takes no clicks and the program no hotkeys, and
// the window stays above the main window. The same click and key work once it is gone.
TEST_F(ModalWindowTest, BlocksTheMainWindowAndTheHotkeys) {
    RecordingSink sink;
    ui.setEventSink(&sink);
    ui.registerHotkey(122);  // F11: grabbed on an X server, a window shortcut elsewhere
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    if (x11 && xdotool.isEmpty()) GTEST_SKIP() << "no xdotool to press keys with";
    auto pressF11 = [&] {
        if (x11)
            QProcess::execute(xdotool, {QStringLiteral("key"), QStringLiteral("F11")});
        else
            QTest::keyClick(ui.mainWindow().windowHandle(), Qt::Key_F11);
    };
    QWidget& start = *ui.mainWindow().widget(G("开始书写按钮"));
    const std::string window = kPasswordWindow;
    bool above = false;
    person.whenOpen(window, [&] {
        QtPerson::ClickWidget(start);
        pressF11();
        QTest::qWait(200);
        QWindow* handle = ui.window(window)->windowHandle();
        above = handle->transientParent() == ui.mainWindow().windowHandle();
        ui.closeWindow(window);
    });
    ui.runModal(window);
    EXPECT_TRUE(sink.names(EventKind::Click).empty());
    EXPECT_TRUE(above);
    EXPECT_FALSE(ui.window(window)->isModal());
    QtPerson::ClickWidget(start);
    EXPECT_EQ(sink.names(EventKind::Click), std::vector<std::string>{"开始书写按钮"});
    ui.mainWindow().activateWindow();
    ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &ui.mainWindow(); }));
    pressF11();
    EXPECT_TRUE(WaitFor([&] { return !sink.of(EventKind::Hotkey).empty(); }));
    QTest::qWait(100);
    EXPECT_EQ(sink.of(EventKind::Hotkey).size(), 1u)
        << "the key pressed behind the window came late";
    ui.setEventSink(nullptr);
}

}  // namespace
}  // namespace kalamo::test
