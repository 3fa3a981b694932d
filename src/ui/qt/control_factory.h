#pragma once

#include "ui/layouts/window_layout.h"

class QWidget;

namespace kalamo {

// The widget of one control of a window layout, placed in `parent` with the table's text,
// tool tip, entries and states; nullptr for timers and other non-visual controls. Tab pages
// are made by the window, which adds them to their tab control.
QWidget* CreateControl(const ControlSpec& spec, QWidget* parent);

}  // namespace kalamo
