#include "ui/layouts/window_layout.h"

namespace kalamo {

const char kFindWindow[] = "查找";
const char kReplaceWindow[] = "替换";

namespace {

using K = ControlKind;

ControlSpec C(std::string name, ControlKind kind, Rect place, std::string text = {}) {
    ControlSpec c;
    c.name = std::move(name);
    c.kind = kind;
    c.place = place;
    c.text = std::move(text);
    return c;
}

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
    WindowSpec w;
    w.name = kFindWindow;
    w.caption = kFindWindow;
    w.place = {0, 0, 346, 126};
    w.controls = {
        C("标签1", K::Label, {8, 14, 80, 18}, "查找内容(&N):"),
        C("编辑框1", K::LineEdit, {90, 10, 158, 24}),
        C("选择框1", K::CheckBox, {8, 90, 104, 22}, "区分大小写(&C)"),
        C("分组框1", K::GroupBox, {112, 44, 136, 58}, "方向"),
        InGroup(C("单选框1", K::RadioButton, {6, 26, 62, 22}, "向上(&U)"), "分组框1", false),
        InGroup(C("单选框2", K::RadioButton, {68, 26, 64, 22}, "向下(&D)"), "分组框1", true),
        Disabled(C("按钮1", K::Button, {256, 10, 82, 26}, "查找下一个")),
        C("按钮2", K::Button, {256, 42, 82, 26}, "取消"),
    };
    return w;
}

WindowSpec BuildReplaceWindow() {
    WindowSpec w;
    w.name = kReplaceWindow;
    w.caption = kReplaceWindow;
    w.place = {0, 0, 387, 176};
    w.controls = {
        C("标签1", K::Label, {8, 14, 84, 18}, "查找内容(&N):"),
        C("编辑框1", K::LineEdit, {96, 10, 180, 24}),
        C("标签2", K::Label, {8, 48, 84, 18}, "替换为(&P):"),
        C("编辑框2", K::LineEdit, {96, 44, 180, 24}),
        C("选择框1", K::CheckBox, {8, 142, 124, 22}, "区分大小写(&C)"),
        Disabled(C("按钮1", K::Button, {286, 10, 93, 26}, "查找下一个(&F)")),
        Disabled(C("按钮2", K::Button, {286, 42, 93, 26}, "替换(&R)")),
        Disabled(C("按钮3", K::Button, {286, 74, 93, 26}, "全部替换(&A)")),
        C("按钮4", K::Button, {286, 106, 93, 26}, "取消"),
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
