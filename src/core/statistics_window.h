#pragma once

namespace kalamo {

// The word-statistics window "字数统计", docked beside the main window.
class StatisticsWindow {
  public:
    virtual ~StatisticsWindow() = default;
    // Loads the window at start-up; the option 显示统计 decides whether it shows.
    virtual void open() = 0;
};

}  // namespace kalamo
