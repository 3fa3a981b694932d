#include "ui/qt/x11_hotkey_filter.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>
// Xlib last: its macros (None, KeyPress, Bool) clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace kalamo {
namespace {

// NumLock (Mod2) and CapsLock (Lock) change the modifier state of a press; a hotkey without
// modifiers must fire with either on.
constexpr std::uint16_t kLockMasks[] = {0, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK,
                                        XCB_MOD_MASK_2 | XCB_MOD_MASK_LOCK};
constexpr std::uint16_t kModifierBits = 0xFF;
constexpr std::uint16_t kIgnoredState = XCB_MOD_MASK_2 | XCB_MOD_MASK_LOCK;

unsigned long KeysymOf(int vk) {
    if (vk >= 112 && vk <= 135) return XK_F1 + static_cast<unsigned long>(vk - 112);
    if (vk >= 'A' && vk <= 'Z') return XK_A + static_cast<unsigned long>(vk - 'A');
    if (vk >= '0' && vk <= '9') return XK_0 + static_cast<unsigned long>(vk - '0');
    switch (vk) {
        case 8:
            return XK_BackSpace;
        case 9:
            return XK_Tab;
        case 13:
            return XK_Return;
        case 19:
            return XK_Pause;
        case 27:
            return XK_Escape;
        case 32:
            return XK_space;
        case 33:
            return XK_Prior;
        case 34:
            return XK_Next;
        case 35:
            return XK_End;
        case 36:
            return XK_Home;
        case 37:
            return XK_Left;
        case 38:
            return XK_Up;
        case 39:
            return XK_Right;
        case 40:
            return XK_Down;
        case 44:
            return XK_Print;
        case 45:
            return XK_Insert;
        case 46:
            return XK_Delete;
        default:
            return NoSymbol;
    }
}

}  // namespace

X11HotkeyFilter::X11HotkeyFilter(std::function<void(int id)> pressed)
    : pressed_(std::move(pressed)) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display() || !x11->connection()) return;
    display_ = x11->display();
    connection_ = x11->connection();
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    root_ = xcb_setup_roots_iterator(setup).data->root;
    qGuiApp->installNativeEventFilter(this);
}

X11HotkeyFilter::~X11HotkeyFilter() {
    if (!connection_) return;
    if (qGuiApp) qGuiApp->removeNativeEventFilter(this);
    for (const Hotkey& h : hotkeys_)
        if (h.keycode) ungrab(h.keycode);
    xcb_flush(connection_);
}

X11HotkeyFilter::Registration X11HotkeyFilter::registerHotkey(int virtualKey) {
    for (const Hotkey& h : hotkeys_)
        if (h.virtualKey == virtualKey) return h.registration;
    Hotkey hotkey{virtualKey, {nextId_++, false}, 0};
    const unsigned long keysym = connection_ ? KeysymOf(virtualKey) : NoSymbol;
    if (keysym != NoSymbol) {
        const auto keycode =
            static_cast<unsigned char>(XKeysymToKeycode(static_cast<Display*>(display_), keysym));
        if (keycode != 0 && grab(keycode)) {
            hotkey.keycode = keycode;
            hotkey.registration.global = true;
        }
    }
    hotkeys_.push_back(hotkey);
    return hotkey.registration;
}

// The grab is checked request by request, so a key that another client holds (BadAccess)
// is known at once and leaves no partial grab behind.
bool X11HotkeyFilter::grab(unsigned char keycode) {
    bool granted = true;
    for (std::uint16_t mask : kLockMasks) {
        xcb_void_cookie_t cookie = xcb_grab_key_checked(connection_, 1, root_, mask, keycode,
                                                        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
            granted = false;
            std::free(error);
        }
    }
    if (!granted) ungrab(keycode);
    return granted;
}

void X11HotkeyFilter::ungrab(unsigned char keycode) {
    for (std::uint16_t mask : kLockMasks) xcb_ungrab_key(connection_, keycode, root_, mask);
    xcb_flush(connection_);
}

bool X11HotkeyFilter::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_KEY_PRESS) return false;
    auto* press = reinterpret_cast<xcb_key_press_event_t*>(event);
    if (press->event != root_ || (press->state & kModifierBits & ~kIgnoredState) != 0) return false;
    for (const Hotkey& h : hotkeys_) {
        if (h.keycode != 0 && h.keycode == press->detail) {
            pressed_(h.registration.id);
            return true;
        }
    }
    return false;
}

}  // namespace kalamo
