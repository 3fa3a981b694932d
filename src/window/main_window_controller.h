#pragma once

#include "core/appearance.h"
#include "core/control_layout.h"
#include "core/kalamo.h"
#include "ui/ui_types.h"

namespace kalamo {

// The borderless main window's own mechanics: its layout on every size change (which
// also saves the size), the home-made title bar, the grips, the tray and the docking of
// the statistics window.
class MainWindowController : public ControlLayout {
  public:
    MainWindowController(Kalamo& k, Appearance& appearance) : k_(k), appearance_(appearance) {}

    void layOut() override { onSizeChanged(); }

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
    Appearance& appearance_;
    bool laying_ = false;
};

}  // namespace kalamo
