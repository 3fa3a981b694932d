#pragma once

#include <string>
#include <utility>

#include "ui/layouts/window_layout.h"

namespace kalamo {

// Pieces the layout tables of the tool windows are written with.
inline ControlSpec Control(std::string name, ControlKind kind, Rect place, std::string text = {}) {
    ControlSpec c;
    c.name = std::move(name);
    c.kind = kind;
    c.place = place;
    c.text = std::move(text);
    return c;
}

// A tool window of the given size, named by its caption.
inline WindowSpec ToolWindow(const char* caption, int width, int height) {
    WindowSpec w;
    w.name = caption;
    w.caption = caption;
    w.place = {0, 0, width, height};
    return w;
}

}  // namespace kalamo
