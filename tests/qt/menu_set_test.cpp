#include "ui/qt/menu_set.h"

#include <gtest/gtest.h>

#include <QAction>
#include <functional>

#include "qt_test_support.h"
#include "ui/qt/qt_ui_facade.h"

namespace kalamo::test {
namespace {

// A mistyped id (ASCII brackets for the full-width ones) stops a debug build; a release
// build logs one line naming it and leaves every real item as it was.
TEST(MenuSetTest, UnknownIdIsNeverSilentlyIgnored) {
    QtUiFacade ui;
    const std::string typo = G("开始/编辑/大字号模式(F2)");
    const std::string real = G("开始/编辑/大字号模式（F2）");
    const std::function<void()> uses[] = {
        [&] { ui.setMenuEnabled(typo, false); },
        [&] { EXPECT_FALSE(ui.isMenuEnabled(typo)); },
        [&] { ui.setMenuChecked(typo, true); },
        [&] { EXPECT_FALSE(ui.isMenuChecked(typo)); },
        [&] { EXPECT_FALSE(ui.menus().canChoose(typo)); },
        [&] { ui.menus().choose(typo); },
        [&] { ui.popupMenu(typo); },
    };
    for (const auto& use : uses) {
        WarningLog log;
        EXPECT_DEBUG_DEATH(use(), "unknown menu item");
#ifdef NDEBUG
        ASSERT_EQ(log.lines.size(), 1);
        EXPECT_TRUE(log.lines[0].contains(QString::fromUtf8("开始/编辑/大字号模式(F2)")))
            << log.lines[0].toStdString();
#endif
    }
    EXPECT_TRUE(ui.isMenuEnabled(real));
    EXPECT_FALSE(ui.isMenuChecked(real));
    EXPECT_FALSE(ui.menus().action(real)->isChecked());
}

}  // namespace
}  // namespace kalamo::test
