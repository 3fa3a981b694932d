#include "ui/qt/x11_hotkey_filter.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <cstdlib>

#include "qt_test_support.h"

namespace kalamo::test {
namespace {

// Needs a real X server (run the tests with QT_QPA_PLATFORM=xcb under Xvfb); offscreen
// runs skip it, and the facade tests cover the fallback there.
TEST(X11HotkeyFilterTest, GrabsFreeKeysAndReportsKeysAnotherClientHolds) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "no X11";
    // Another client holds F12 (keycode looked up through the X server's mapping).
    xcb_connection_t* other = xcb_connect(nullptr, nullptr);
    ASSERT_EQ(xcb_connection_has_error(other), 0);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
    const xcb_setup_t* setup = xcb_get_setup(other);
    auto mapping = xcb_get_keyboard_mapping_reply(
        other,
        xcb_get_keyboard_mapping(other, setup->min_keycode,
                                 static_cast<uint8_t>(setup->max_keycode - setup->min_keycode + 1)),
        nullptr);
    ASSERT_NE(mapping, nullptr);
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping);
    xcb_keycode_t f12 = 0;
    for (int code = setup->min_keycode; code <= setup->max_keycode && !f12; ++code)
        if (syms[(code - setup->min_keycode) * mapping->keysyms_per_keycode] == 0xFFC9)
            f12 = static_cast<xcb_keycode_t>(code);
    std::free(mapping);
    ASSERT_NE(f12, 0);
    ASSERT_EQ(
        xcb_request_check(other, xcb_grab_key_checked(other, 1, root, 0, f12, XCB_GRAB_MODE_ASYNC,
                                                      XCB_GRAB_MODE_ASYNC)),
        nullptr);

    std::vector<int> pressed;
    X11HotkeyFilter hotkeys([&](int id) { pressed.push_back(id); });
    const auto taken = hotkeys.registerHotkey(123);  // F12
    const auto free = hotkeys.registerHotkey(122);   // F11
    EXPECT_EQ(taken.id, 1);
    EXPECT_FALSE(taken.global);
    EXPECT_EQ(free.id, 2);
    EXPECT_TRUE(free.global);
    xcb_disconnect(other);

    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xdotool.isEmpty()) GTEST_SKIP() << "no xdotool to press keys with";
    QProcess::execute(xdotool, {QStringLiteral("key"), QStringLiteral("F11")});
    EXPECT_TRUE(WaitFor([&] { return !pressed.empty(); }));
    EXPECT_EQ(pressed, std::vector<int>{2});
}

}  // namespace
}  // namespace kalamo::test
