#include "support/modal_window_contract.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ui/layouts/window_layout.h"
#include "ui/ui_event.h"

namespace kalamo::test {
namespace {

// Records what the window's controls report, and closes the window on "确认" or Enter as
// the password window's logic does.
class ClosingSink : public EventSink {
  public:
    ClosingSink(UiFacade& ui, std::string window) : ui_(ui), window_(std::move(window)) {}

    void handle(const UiEvent& e) override {
        if (e.window != window_) return;
        switch (e.kind) {
            case EventKind::KeyPress:
                seen.push_back(e.control + " key " + std::to_string(e.key));
                if (e.key == 13) ui_.closeWindow(window_);
                break;
            case EventKind::Click:
                seen.push_back(e.control + " click");
                if (e.control == "信息2") ui_.closeWindow(window_);
                break;
            case EventKind::TextChanged:
                seen.push_back(e.control + " changed");
                break;
            case EventKind::WillBeDestroyed:
                seen.push_back("closing");
                break;
            default:
                break;
        }
    }
    std::vector<std::string> take() { return std::exchange(seen, {}); }

    std::vector<std::string> seen;

  private:
    UiFacade& ui_;
    std::string window_;
};

using Seen = std::vector<std::string>;

}  // namespace

void CheckModalWindowContract(UiFacade& ui, Person& person) {
    const std::string window = kPasswordWindow;
    const std::string box = window + ".编辑框1";
    const std::string label = window + ".透明标签1";
    ClosingSink sink(ui, window);
    ui.setEventSink(&sink);

    // A window that is not open yet has its layout's texts, and takes what is set.
    EXPECT_FALSE(ui.isWindowVisible(window));
    EXPECT_EQ(ui.windowCaption(window), window);
    EXPECT_EQ(ui.windowSize(window), (Size{380, 250}));
    EXPECT_EQ(ui.text(window + ".信息2"), "确认");
    EXPECT_EQ(ui.geometry(box), (Rect{56, 104, 264, 32}));
    ui.setText(box, " 密码 ");
    EXPECT_EQ(ui.text(box), " 密码 ");
    for (Colour c : {Rgb(5, 186, 73), Rgb(255, 255, 255), Rgb(0, 0, 0)}) {
        ui.setWindowBackground(window, c);
        EXPECT_EQ(ui.windowBackground(window), c);
        ui.setTextColour(label, c);
        EXPECT_EQ(ui.textColour(label), c);
        ui.setTextColour("标题栏", c);
        EXPECT_EQ(ui.textColour("标题栏"), c);
    }
    ui.focus(box);
    sink.take();  // the toolkit may report the text set as a change

    // Enter in the edit box: the window shows the text in clear, takes what is typed at its
    // end, and runModal returns once the logic has closed it.
    struct {
        bool ran = false, visible = false, modal = false;
        std::string text;
    } open;
    person.whenOpen(window, [&] {
        open = {true, ui.isWindowVisible(window), person.isModal(window), ui.text(box)};
        person.type("新");
        person.pressKey(13);
    });
    ui.runModal(window);
    EXPECT_TRUE(open.ran);
    EXPECT_TRUE(open.visible);
    EXPECT_TRUE(open.modal);
    EXPECT_EQ(open.text, " 密码 ");
    EXPECT_FALSE(ui.isWindowVisible(window));
    EXPECT_EQ(ui.text(box), " 密码 新");
    EXPECT_EQ(sink.take(),
              (Seen{"编辑框1 key 229", "编辑框1 changed", "编辑框1 key 13", "closing"}));

    // "确认" clicked, and again: the window opens as often as it is asked for.
    for (int round = 0; round < 2; ++round) {
        ui.focus(box);
        person.whenOpen(window, [&] { person.click(window + ".信息2"); });
        ui.runModal(window);
        EXPECT_FALSE(ui.isWindowVisible(window));
        EXPECT_EQ(sink.take(), (Seen{"信息2 click", "closing"}));
    }

    // The close box: the logic hears the window go and nothing else.
    person.whenOpen(window, [&] { person.closeBox(window); });
    ui.runModal(window);
    EXPECT_FALSE(ui.isWindowVisible(window));
    EXPECT_EQ(sink.take(), Seen{"closing"});
    EXPECT_EQ(ui.text(box), " 密码 新");
    ui.setEventSink(nullptr);
}

}  // namespace kalamo::test
