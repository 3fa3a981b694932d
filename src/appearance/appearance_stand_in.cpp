#include "appearance/appearance_stand_in.h"

#include "ui/layouts/window_layout.h"

namespace kalamo {

void AppearanceStandIn::ApplyBackgroundColour() {
    Colour c = k_.s.ui.pickerColour("颜色");
    k_.s.ui.setWindowBackground(kMainWindow, c);
    k_.s.editor.setBackColour(c);
    k_.s.ui.setBackColour("高级选择夹1", c);
    k_.s.ui.setBackColour("开始按钮", c);
}

void AppearanceStandIn::SetWindowAlpha(int alpha) {
    k_.s.ui.setWindowOpacity(kMainWindow, alpha);
}

}  // namespace kalamo
