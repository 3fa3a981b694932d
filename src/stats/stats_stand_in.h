#pragma once

#include "core/statistics_window.h"
#include "core/task_board.h"

namespace kalamo {

// The statistics window, the backup folder, printing and the task board before they land.
class StatsStandIn : public StatisticsWindow, public TaskBoard {
  public:
    void open() override {}
    void refresh() override {}
    // "丢稿找回" in both menus.
    void OpenBackupFolder() {}
    // "打印文本".
    void PrintText() {}
};

}  // namespace kalamo
