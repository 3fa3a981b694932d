#include "stats/statistics_window_controller.h"

#include "stats/word_statistics.h"
#include "ui/layouts/main_menus.h"
#include "ui/layouts/window_layout.h"

namespace kalamo {

namespace {
const std::string kDetailBox = std::string(kStatisticsWindow) + ".高级字数统计";
}  // namespace

void StatisticsWindowController::open() {
    dock();
}

void StatisticsWindowController::setShown(bool shown) {
    UiFacade& ui = k_.s.ui;
    ui.setMenuChecked(kMenuStatistics, shown);
    if (!shown) {
        ui.hideWindow(kStatisticsWindow);
        return;
    }
    dock();
    ui.showWindow(kStatisticsWindow);
    handFocusBack();
}

void StatisticsWindowController::onTextChanged() {
    const WordStatistics counts(k_.s.editor.text());
    UiFacade& ui = k_.s.ui;
    ui.setStatusText(0, counts.statusText());
    ui.setText(kDetailBox, k_.points < 0 ? "您需要积分达到0点才能有资格使用详细的文字统计"
                                         : counts.detailText());
    taskCount_ = counts.taskCount();
}

void StatisticsWindowController::stampDailyCounts() {
    daily_.stamp(taskCount_);
}

void StatisticsWindowController::dock() {
    UiFacade& ui = k_.s.ui;
    const Rect main = ui.windowGeometry(kMainWindow);
    const Rect own = ui.windowGeometry(kStatisticsWindow);
    ui.moveWindow(kStatisticsWindow, main.x + main.width, main.y + main.height - own.height);
}

// Showing a window activates it; the main window takes the activation back unless it is
// not shown yet (during start-up it appears on its own afterwards).
void StatisticsWindowController::handFocusBack() {
    if (k_.s.ui.isWindowVisible(kMainWindow)) k_.s.ui.showWindow(kMainWindow);
    k_.s.editor.focus();
}

}  // namespace kalamo
