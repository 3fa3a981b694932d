#include "ui/layouts/layout_builders.h"
#include "ui/layouts/window_layout.h"

namespace kalamo {

const char kStatisticsWindow[] = "字数统计";

namespace {

WindowSpec BuildStatisticsWindow() {
    WindowSpec w = ToolWindow(kStatisticsWindow, 276, 217);
    w.controls = {Control("高级字数统计", ControlKind::TextEdit, {0, 1, 280, 216},
                          "开始书写之后会显示详细的字数统计")};
    return w;
}

}  // namespace

const WindowSpec& StatisticsWindowLayout() {
    static const WindowSpec layout = BuildStatisticsWindow();
    return layout;
}

}  // namespace kalamo
