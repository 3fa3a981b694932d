#pragma once

namespace kalamo {

// The task page of the settings panel: pays the rewards that today's stamps have earned.
class TaskBoard {
  public:
    virtual ~TaskBoard() = default;
    virtual void refresh() = 0;
};

}  // namespace kalamo
