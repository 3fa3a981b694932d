// Operations of UiFacade that the scenario tests rely on, checked against the fake and the
// Qt implementation alike, so the fake cannot promise what the real window breaks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
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

// Typing into an edit box of another window, as a person at the keyboard would.
void TypeInto(FakeUi& ui, const std::string& control, const std::string& text) {
    ui.type(control, text);
}

void TypeInto(QtUiFacade& ui, const std::string& control, const std::string& text) {
    const std::string window = kFindWindow;
    ASSERT_EQ(control.rfind(window + ".", 0), 0u);
    auto* box =
        qobject_cast<QLineEdit*>(ui.window(window)->widget(control.substr(window.size() + 1)));
    ASSERT_NE(box, nullptr);
    QTest::keyClicks(box, QString::fromStdString(text));
}

// The person cancels the print dialog that the next print opens.
void CancelNextPrint(FakeUi& ui) {
    ui.cancelNextPrint();
}

void CancelNextPrint(QtUiFacade&) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        dialog->reject();
        timer->stop();
        timer->deleteLater();
    });
    timer->start(10);
}

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

// A failed calculation empties the clipboard of text: what was there before must not come back.
TYPED_TEST(UiFacadeContract, TheClipboardGivesBackItsTextAndCanBeEmptied) {
    this->ui.setClipboardText(G("甲\r\n6220.8"));
    EXPECT_EQ(this->ui.clipboardText(), G("甲\r\n6220.8"));
    this->ui.setClipboardText("");
    EXPECT_EQ(this->ui.clipboardText(), "");
}

// The find window's direction buttons share their group box: one of them is always checked.
TYPED_TEST(UiFacadeContract, CheckingARadioButtonUnchecksTheOtherOfItsGroup) {
    const std::string up = kFindWindow + G(".单选框1"), down = kFindWindow + G(".单选框2");
    EXPECT_EQ(this->ui.text(up), G("向上(&U)"));
    EXPECT_FALSE(this->ui.isChecked(up));
    EXPECT_TRUE(this->ui.isChecked(down));
    this->ui.setChecked(up, true);
    EXPECT_TRUE(this->ui.isChecked(up));
    EXPECT_FALSE(this->ui.isChecked(down));
    this->ui.setChecked(up, false);
    EXPECT_TRUE(this->ui.isChecked(up));
    EXPECT_FALSE(this->ui.isChecked(down));
    this->ui.setChecked(down, true);
    EXPECT_FALSE(this->ui.isChecked(up));
    EXPECT_TRUE(this->ui.isChecked(down));
}

TYPED_TEST(UiFacadeContract, TypingReplacesAnEditBoxTextSelectedAsAWhole) {
    RecordingSink sink;
    this->ui.setEventSink(&sink);
    const std::string box = kFindWindow + G(".编辑框1");
    this->ui.setText(box, "abc");
    this->ui.selectAllText(box);
    TypeInto(this->ui, box, "x");
    EXPECT_EQ(this->ui.text(box), "x");
    this->ui.selectAllText(box);
    this->ui.setText(box, "abc");
    TypeInto(this->ui, box, "y");
    EXPECT_EQ(this->ui.text(box), "abcy");
}

// A window opened without blocking is closed and opened again as often as the person likes;
// each close is reported.
TYPED_TEST(UiFacadeContract, AModelessWindowClosesEveryTimeItIsShown) {
    RecordingSink sink;
    this->ui.setEventSink(&sink);
    for (int round = 0; round < 2; ++round) {
        this->ui.showWindow(kFindWindow);
        EXPECT_TRUE(this->ui.isWindowVisible(kFindWindow));
        this->ui.closeWindow(kFindWindow);
        EXPECT_FALSE(this->ui.isWindowVisible(kFindWindow));
        EXPECT_EQ(sink.of(EventKind::WillBeDestroyed).size(), round + 1u);
    }
    EXPECT_EQ(this->ui.windowSize(kFindWindow), (Size{346, 126}));
    EXPECT_EQ(this->ui.windowSize(kReplaceWindow), (Size{387, 176}));
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

TYPED_TEST(UiFacadeContract, ACancelledPrintDialogPrintsNothing) {
    CancelNextPrint(this->ui);
    EXPECT_FALSE(this->ui.printText("text"));
}

}  // namespace
}  // namespace kalamo::test
