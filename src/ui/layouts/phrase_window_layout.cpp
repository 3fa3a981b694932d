#include "ui/layouts/layout_builders.h"
#include "ui/layouts/window_layout.h"

namespace kalamo {

const char kPhraseWindow[] = "一键输入，如此轻松";

namespace {

WindowSpec BuildPhraseWindow() {
    using K = ControlKind;
    WindowSpec w = ToolWindow(kPhraseWindow, 480, 65);
    ControlSpec keys = Control("快捷键", K::DropDownList, {10, 20, 80, 22});
    keys.entries = {"ctrl+1", "ctrl+2", "ctrl+3", "ctrl+4", "ctrl+5",
                    "ctrl+6", "ctrl+7", "ctrl+8", "ctrl+9", "ctrl+0"};
    w.controls = {
        keys,
        Control("编辑框1", K::LineEdit, {98, 20, 290, 22}),
        Control("保存设置", K::Button, {396, 19, 74, 24}, "保存"),
    };
    return w;
}

}  // namespace

const WindowSpec& PhraseWindowLayout() {
    static const WindowSpec layout = BuildPhraseWindow();
    return layout;
}

}  // namespace kalamo
