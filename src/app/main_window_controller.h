#pragma once

#include "app/kalamo.h"
#include "ui/ui_types.h"

namespace kalamo {

// The borderless main window's own mechanics: its layout on every size change (which
// also saves the size), the home-made title bar, the grips, the tray and the docking of
// the statistics window.
class MainWindowController {
  public:
    explicit MainWindowController(Kalamo& k) : k_(k) {}

    void onSizeChanged();
    void onMoved();
    void onTitlePressed();
    void onTitleDoubleClicked();
    void onMinimisePressed();
    void onClosePressed();
    void onGripPressed(ResizeEdge edge);
    void onTrayLeftClick();
    void onTrayRightClick();

  private:
    void placeControls(int width, int height);
    void adjust(const char* control, int Rect::*field, int value);

    Kalamo& k_;
    bool laying_ = false;
};

// Where each grip resizes from.
struct GripEdge {
    const char* control;
    ResizeEdge edge;
};
extern const GripEdge kGripEdges[8];

}  // namespace kalamo
