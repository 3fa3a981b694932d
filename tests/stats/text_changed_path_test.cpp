#include "stats/text_changed_path.h"

#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "ui/layouts/window_layout.h"

namespace kalamo::test {
namespace {

// Typing fast: the first change counts at once, the rest of the period is gathered into one
// run when it ends, and a quiet period stops the timer so the next change counts at once.
TEST(TextChangedPath, ChangesWithinAPeriodRunOnceWhenItEnds) {
    AppFixture t;
    t.installed();
    t.start();
    t.ui.setText("章节名称", "章");
    t.ui.fire({kMainWindow, "开始书写按钮", EventKind::Click});
    auto type = [&t](const std::string& text) {
        t.editor.setText(text);
        t.ui.fire({kMainWindow, "编辑框1", EventKind::TextChanged});
    };
    auto tick = [&t] { t.ui.fire({kMainWindow, kPacingTimer, EventKind::TimerTick}); };
    tick();
    tick();  // whatever starting set off has run

    type("一");
    EXPECT_EQ(t.ui.statusText(0), "当前字数：  1");
    EXPECT_EQ(t.ui.timerPeriod(kPacingTimer), TextChangedPath::kPeriodMs);
    type("一二");
    type("一二三");
    EXPECT_EQ(t.ui.statusText(0), "当前字数：  1") << "gathered until the period ends";
    tick();
    EXPECT_EQ(t.ui.statusText(0), "当前字数：  3");
    EXPECT_EQ(t.ui.timerPeriod(kPacingTimer), TextChangedPath::kPeriodMs);
    tick();
    EXPECT_EQ(t.ui.timerPeriod(kPacingTimer), 0) << "a quiet period stops the timer";
    type("一二三四");
    EXPECT_EQ(t.ui.statusText(0), "当前字数：  4");
}

}  // namespace
}  // namespace kalamo::test
