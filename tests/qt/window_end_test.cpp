#include <gtest/gtest.h>
#include <signal.h>

#include <QGuiApplication>
#include <QScreen>

#include "qt_test_support.h"
#include "ui/layouts/window_layout.h"
#include "ui/qt/main_window_widget.h"
#include "ui/qt/qt_ui_facade.h"
#include "ui/qt/termination_relay.h"

namespace kalamo::test {
namespace {

// A handler of the will-be-destroyed event that refuses the close, as shut-down does when
// the text could not be saved.
class RefusingSink : public EventSink {
  public:
    explicit RefusingSink(UiFacade& ui) : ui_(ui) {}
    void handle(const UiEvent& e) override {
        if (e.kind != EventKind::WillBeDestroyed) return;
        ++closes;
        if (refuse) ui_.cancelClose(kMainWindow);
    }
    bool refuse = true;
    int closes = 0;

  private:
    UiFacade& ui_;
};

TEST(WindowEnd, ARefusedCloseLeavesTheWindowOpenAndTheNextOneCloses) {
    QtUiFacade ui;
    RefusingSink sink(ui);
    ui.setEventSink(&sink);
    ui.showWindow(kMainWindow);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ui.mainWindow()));
    ui.closeWindow(kMainWindow);
    EXPECT_EQ(sink.closes, 1);
    EXPECT_TRUE(ui.isWindowVisible(kMainWindow));
    sink.refuse = false;
    ui.closeWindow(kMainWindow);
    EXPECT_EQ(sink.closes, 2);
    EXPECT_FALSE(ui.isWindowVisible(kMainWindow));
    ui.setEventSink(nullptr);
}

TEST(WindowEnd, ScreenAreaIsTheUsablePartOfTheWindowsScreen) {
    QtUiFacade ui;
    const QRect expected = QGuiApplication::primaryScreen()->availableGeometry();
    const Rect area = ui.screenArea(kMainWindow);
    EXPECT_EQ(area.x, expected.x());
    EXPECT_EQ(area.y, expected.y());
    EXPECT_EQ(area.width, expected.width());
    EXPECT_EQ(area.height, expected.height());
    EXPECT_GT(area.width, 0);
}

// The handler only writes to a pipe; the call comes from the event loop.
TEST(WindowEnd, SigtermArrivesAsOneCallFromTheEventLoop) {
    int calls = 0;
    {
        TerminationRelay relay([&calls] { ++calls; });
        raise(SIGTERM);
        EXPECT_EQ(calls, 0) << "nothing runs inside the signal handler";
        EXPECT_TRUE(WaitFor([&calls] { return calls > 0; }));
    }
    EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace kalamo::test
