#pragma once

#include "core/task_board.h"

namespace kalamo {

// The backup folder, printing and the task board before they land.
class StatsStandIn : public TaskBoard {
  public:
    void refresh() override {}
    // "丢稿找回" in both menus.
    void OpenBackupFolder() {}
    // "打印文本".
    void PrintText() {}
};

}  // namespace kalamo
