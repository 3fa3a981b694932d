#pragma once

#include <QAbstractNativeEventFilter>
#include <functional>
#include <vector>

struct xcb_connection_t;

namespace kalamo {

// System-wide hotkeys on X11: a key without modifiers grabbed on the root window (also with
// NumLock and CapsLock on, which X counts as modifiers). A press arrives wherever the focus
// is and is handed to `pressed` with the hotkey's identifier.
class X11HotkeyFilter : public QAbstractNativeEventFilter {
  public:
    explicit X11HotkeyFilter(std::function<void(int id)> pressed);
    ~X11HotkeyFilter() override;
    X11HotkeyFilter(const X11HotkeyFilter&) = delete;
    X11HotkeyFilter& operator=(const X11HotkeyFilter&) = delete;

    struct Registration {
        int id = 0;           // from 1 upward, never 0
        bool global = false;  // false: another program holds the key, or there is no X11
    };
    // The same key registered again keeps its first identifier.
    Registration registerHotkey(int virtualKey);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    bool grab(unsigned char keycode);
    void ungrab(unsigned char keycode);

    struct Hotkey {
        int virtualKey = 0;
        Registration registration;
        unsigned char keycode = 0;  // 0: not grabbed
    };

    std::function<void(int)> pressed_;
    void* display_ = nullptr;  // Display*, kept opaque so that Xlib stays out of the header
    xcb_connection_t* connection_ = nullptr;
    unsigned int root_ = 0;
    std::vector<Hotkey> hotkeys_;
    int nextId_ = 1;
};

}  // namespace kalamo
