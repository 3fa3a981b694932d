#include "ui/layouts/window_layout.h"

namespace kalamo {

const char kStatisticsWindow[] = "字数统计";

namespace {

WindowSpec BuildStatisticsWindow() {
    WindowSpec w;
    w.name = kStatisticsWindow;
    w.caption = kStatisticsWindow;
    w.place = {0, 0, 276, 217};
    ControlSpec box;
    box.name = "高级字数统计";
    box.kind = ControlKind::TextEdit;
    box.place = {0, 1, 280, 216};
    box.text = "开始书写之后会显示详细的字数统计";
    w.controls = {box};
    return w;
}

}  // namespace

const WindowSpec& StatisticsWindowLayout() {
    static const WindowSpec layout = BuildStatisticsWindow();
    return layout;
}

}  // namespace kalamo
