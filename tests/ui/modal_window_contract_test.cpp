#include "support/modal_window_contract.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "support/fake_ui.h"

namespace kalamo::test {
namespace {

// The person of a scenario test: acts through FakeUi's scripts and events.
class FakePerson : public Person {
  public:
    explicit FakePerson(FakeUi& ui) : ui_(ui) {}

    void whenOpen(const std::string&, std::function<void()> act) override {
        ui_.onNextModal([act = std::move(act)](FakeUi&) { act(); });
    }
    void type(const std::string& text) override { ui_.type(ui_.focused(), text); }
    void pressKey(int virtualKey) override { ui_.pressKey(ui_.focused(), virtualKey); }
    void click(const std::string& control) override { ui_.click(control); }
    void closeBox(const std::string& window) override { ui_.closeWindow(window); }
    bool isModal(const std::string& window) const override { return ui_.window(window).modal; }

  private:
    FakeUi& ui_;
};

TEST(FakeModalWindow, KeepsTheFacadeContract) {
    FakeUi ui;
    FakePerson person(ui);
    CheckModalWindowContract(ui, person);
    EXPECT_EQ(ui.modalsRun().size(), 4u);
}

// A modal window that nobody scripted fails the test, and closes as its close box would.
TEST(FakeModalWindow, AnUnscriptedWindowFails) {
    FakeUi ui;
    EXPECT_NONFATAL_FAILURE(ui.runModal(kPasswordWindow), "unscripted modal window");
    EXPECT_FALSE(ui.isWindowVisible(kPasswordWindow));
    ui.onNextModal([](FakeUi&) {});
    EXPECT_NONFATAL_FAILURE(ui.runModal(kPasswordWindow), "is still open");
    EXPECT_FALSE(ui.isWindowVisible(kPasswordWindow));
}

}  // namespace
}  // namespace kalamo::test
