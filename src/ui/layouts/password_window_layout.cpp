#include "ui/layouts/layout_builders.h"
#include "ui/layouts/window_layout.h"

namespace kalamo {

const char kPasswordWindow[] = "kmt密码输入";

namespace {

WindowSpec BuildPasswordWindow() {
    using K = ControlKind;
    WindowSpec w = ToolWindow(kPasswordWindow, 380, 250);
    w.controls = {
        Control("透明标签2", K::TransparentLabel, {8, 8, 352, 16}, "请输入Kmt文件密码"),
        Control("透明标签1", K::TransparentLabel, {74, 64, 232, 24},
                "请输入文件密码，适用于打开和保存文件。\r\n打开文件时密码错误会产生乱码"),
        // The password shows in clear: there is no confirmation field to catch a typo.
        Control("编辑框1", K::LineEdit, {56, 104, 264, 32}),
        Control("信息2", K::Button, {136, 176, 97, 24}, "确认"),
        Control("透明标签3", K::TransparentLabel, {38, 223, 304, 24},
                "kmt不支持找回密码，设置密码请谨慎。推荐不设置密码\r\n"
                "使用kmt文件之前请保证阅读了kmt文件的许可协议"),
    };
    return w;
}

}  // namespace

const WindowSpec& PasswordWindowLayout() {
    static const WindowSpec layout = BuildPasswordWindow();
    return layout;
}

}  // namespace kalamo
