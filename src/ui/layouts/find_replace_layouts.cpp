#include "ui/layouts/layout_builders.h"
#include "ui/layouts/window_layout.h"

namespace kalamo {

const char kFindWindow[] = "查找";
const char kReplaceWindow[] = "替换";

namespace {

using K = ControlKind;

// The buttons that search stay disabled until there is something to search for.
ControlSpec Disabled(ControlSpec c) {
    c.enabled = false;
    return c;
}

ControlSpec InGroup(ControlSpec c, std::string group, bool checked) {
    c.parent = std::move(group);
    c.checked = checked;
    return c;
}

WindowSpec BuildFindWindow() {
    WindowSpec w = ToolWindow(kFindWindow, 346, 126);
    w.controls = {
        Control("标签1", K::Label, {8, 14, 80, 18}, "查找内容(&N):"),
        Control("编辑框1", K::LineEdit, {90, 10, 158, 24}),
        Control("选择框1", K::CheckBox, {8, 90, 104, 22}, "区分大小写(&C)"),
        Control("分组框1", K::GroupBox, {112, 44, 136, 58}, "方向"),
        InGroup(Control("单选框1", K::RadioButton, {6, 26, 62, 22}, "向上(&U)"), "分组框1", false),
        InGroup(Control("单选框2", K::RadioButton, {68, 26, 64, 22}, "向下(&D)"), "分组框1", true),
        Disabled(Control("按钮1", K::Button, {256, 10, 82, 26}, "查找下一个")),
        Control("按钮2", K::Button, {256, 42, 82, 26}, "取消"),
    };
    return w;
}

WindowSpec BuildReplaceWindow() {
    WindowSpec w = ToolWindow(kReplaceWindow, 387, 176);
    w.controls = {
        Control("标签1", K::Label, {8, 14, 84, 18}, "查找内容(&N):"),
        Control("编辑框1", K::LineEdit, {96, 10, 180, 24}),
        Control("标签2", K::Label, {8, 48, 84, 18}, "替换为(&P):"),
        Control("编辑框2", K::LineEdit, {96, 44, 180, 24}),
        Control("选择框1", K::CheckBox, {8, 142, 124, 22}, "区分大小写(&C)"),
        Disabled(Control("按钮1", K::Button, {286, 10, 93, 26}, "查找下一个(&F)")),
        Disabled(Control("按钮2", K::Button, {286, 42, 93, 26}, "替换(&R)")),
        Disabled(Control("按钮3", K::Button, {286, 74, 93, 26}, "全部替换(&A)")),
        Control("按钮4", K::Button, {286, 106, 93, 26}, "取消"),
    };
    return w;
}

}  // namespace

const WindowSpec& FindWindowLayout() {
    static const WindowSpec layout = BuildFindWindow();
    return layout;
}

const WindowSpec& ReplaceWindowLayout() {
    static const WindowSpec layout = BuildReplaceWindow();
    return layout;
}

}  // namespace kalamo
