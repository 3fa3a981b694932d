// Operations of UiFacade that the scenario tests rely on, checked against the fake and the
// Qt implementation alike, so the fake cannot promise what the real window breaks.
#include <gtest/gtest.h>

#include <memory>

#include "qt_test_support.h"
#include "support/fake_ui.h"
#include "ui/layouts/window_layout.h"
#include "ui/qt/main_window_widget.h"
#include "ui/qt/qt_ui_facade.h"

namespace kalamo::test {
namespace {

// Refuses the first close of the main window, as shut-down does when the text could not
// be saved, and lets the next one through.
class RefusingSink : public EventSink {
  public:
    explicit RefusingSink(UiFacade& ui) : ui_(ui) {}
    void handle(const UiEvent& e) override {
        if (e.kind != EventKind::WillBeDestroyed) return;
        if (++closes == 1) ui_.cancelClose(kMainWindow);
    }
    int closes = 0;

  private:
    UiFacade& ui_;
};

template <class Ui>
class UiFacadeContract : public testing::Test {
  protected:
    UiFacadeContract() { ui.showWindow(kMainWindow); }
    ~UiFacadeContract() override { ui.setEventSink(nullptr); }
    Ui ui;
};

using Implementations = testing::Types<FakeUi, QtUiFacade>;
TYPED_TEST_SUITE(UiFacadeContract, Implementations);

TYPED_TEST(UiFacadeContract, ACloseRefusedByItsHandlerLeavesTheWindowOpen) {
    RefusingSink sink(this->ui);
    this->ui.setEventSink(&sink);
    this->ui.closeWindow(kMainWindow);
    EXPECT_EQ(sink.closes, 1);
    EXPECT_TRUE(this->ui.isWindowVisible(kMainWindow));
    this->ui.closeWindow(kMainWindow);
    EXPECT_EQ(sink.closes, 2);
    EXPECT_FALSE(this->ui.isWindowVisible(kMainWindow));
}

TYPED_TEST(UiFacadeContract, TheScreenAreaHoldsACentredWindow) {
    const Rect area = this->ui.screenArea(kMainWindow);
    ASSERT_GT(area.width, 400);
    ASSERT_GT(area.height, 400);
    this->ui.resizeWindow(kMainWindow, {500, 450});
    this->ui.centreWindow(kMainWindow);
    const Rect place = this->ui.windowGeometry(kMainWindow);
    EXPECT_GE(place.x, area.x);
    EXPECT_GE(place.y, area.y);
    EXPECT_LE(place.x + place.width, area.x + area.width);
    EXPECT_LE(place.y + place.height, area.y + area.height);
}

// A sound starts and returns at once, any number may overlap, and without an audio device
// (as here) it is silent: asking for a device may log once, a sound itself never does.
TYPED_TEST(UiFacadeContract, SoundsReturnAtOnceAndLogNothingPerSound) {
    const BuiltInSound all[] = {BuiltInSound::KeyClassic, BuiltInSound::KeyApple,
                                BuiltInSound::KeyDrop};
    this->ui.playSound(BuiltInSound::KeyClassic);
    WarningLog log;
    for (int i = 0; i < 100; ++i)
        for (BuiltInSound sound : all) this->ui.playSound(sound);
    QTest::qWait(20);
    EXPECT_TRUE(log.lines.isEmpty()) << log.lines.join('\n').toStdString();
}

}  // namespace
}  // namespace kalamo::test
