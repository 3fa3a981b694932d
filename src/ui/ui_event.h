#pragma once

#include <string>
#include <vector>

namespace kalamo {

enum class EventKind {
    Created,
    WillBeDestroyed,
    SizeChanged,
    Moved,
    GotFocus,
    Click,
    MenuChosen,
    CheckClicked,
    ListChosen,
    ColourChanged,
    LeftPress,
    RightPress,
    DoubleClick,
    KeyPress,
    TextChanged,
    TimerTick,
    TrayLeftClick,
    TrayRightClick,
    TrayDoubleClick,
    Hotkey,
    FilesDropped,
    TextDropped,
    // The system asks the program to end without a question: a signal or the session.
    TerminateRequested,
};

// Modifier sum of a key press.
constexpr int kModCtrl = 1;
constexpr int kModShift = 2;
constexpr int kModAlt = 4;

struct UiEvent {
    UiEvent() = default;
    UiEvent(std::string w, std::string c, EventKind k)
        : window(std::move(w)), control(std::move(c)), kind(k) {}

    std::string window;   // "MainWindow" or a window's layout name
    std::string control;  // control name, menu item path, timer name; empty for the window
    EventKind kind = EventKind::Click;
    int key = 0;        // virtual-key code of a key press
    int modifiers = 0;  // kModCtrl | kModShift | kModAlt
    int hotkeyId = 0;
    std::string text;                // dropped text (GBK)
    std::vector<std::string> files;  // dropped files (native paths)
};

class EventSink {
  public:
    virtual ~EventSink() = default;
    virtual void handle(const UiEvent& event) = 0;
};

}  // namespace kalamo
