#include "ui/layouts/window_layout.h"

namespace kalamo {

const char kPasswordWindow[] = "kmt密码输入";

namespace {

ControlSpec C(std::string name, ControlKind kind, Rect place, std::string text = {}) {
    ControlSpec c;
    c.name = std::move(name);
    c.kind = kind;
    c.place = place;
    c.text = std::move(text);
    return c;
}

WindowSpec BuildPasswordWindow() {
    using K = ControlKind;
    WindowSpec w;
    w.name = kPasswordWindow;
    w.caption = kPasswordWindow;
    w.place = {0, 0, 380, 250};
    w.controls = {
        C("透明标签2", K::TransparentLabel, {8, 8, 352, 16}, "请输入Kmt文件密码"),
        C("透明标签1", K::TransparentLabel, {74, 64, 232, 24},
          "请输入文件密码，适用于打开和保存文件。\r\n打开文件时密码错误会产生乱码"),
        // The password shows in clear: there is no confirmation field to catch a typo.
        C("编辑框1", K::LineEdit, {56, 104, 264, 32}),
        C("信息2", K::Button, {136, 176, 97, 24}, "确认"),
        C("透明标签3", K::TransparentLabel, {38, 223, 304, 24},
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
