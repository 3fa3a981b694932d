#pragma once

namespace kalamo {

// The word-statistics window "字数统计", docked beside the main window.
class StatisticsWindow {
  public:
    virtual ~StatisticsWindow() = default;
    // Loads the window at start-up, hidden; the option 显示统计 decides later whether it shows.
    virtual void open() = 0;
    // Shows the window docked (the focus stays with the editor) or hides it.
    virtual void setShown(bool shown) = 0;
};

}  // namespace kalamo
