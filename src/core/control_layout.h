#pragma once

namespace kalamo {

// The main window's layout, which follows its size and the options that change it.
class ControlLayout {
  public:
    virtual ~ControlLayout() = default;
    // Places the controls for the current size (and saves the size).
    virtual void layOut() = 0;
};

}  // namespace kalamo
