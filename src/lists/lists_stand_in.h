#pragma once

namespace kalamo {

// The schedule and shopping windows and the transfer window before they land.
class ListsStandIn {
  public:
    void OpenScheduleWindow() {}
    void OpenShoppingWindow() {}
    void OpenTransferWindow() {}
};

}  // namespace kalamo
