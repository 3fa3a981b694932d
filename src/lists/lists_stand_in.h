#pragma once

namespace kalamo {

// The schedule and shopping windows and the transfer window before they land.
class ListsStandIn {
  public:
    void OpenScheduleWindow() {}
    void OpenShoppingWindow() {}
    void OpenTransferWindow() {}
    // Each second: opens the transfer window when another program left text for it.
    void WatchForTransfer() {}
};

}  // namespace kalamo
