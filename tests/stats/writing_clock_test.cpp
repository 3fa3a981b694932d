#include "stats/writing_clock.h"

#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "base/stamps.h"

namespace kalamo::test {
namespace {

const std::string kPrefix = "你已经连续书写：";

struct ClockApp : AppFixture {
    // Ticks of 时钟2 as the window's timer sends them.
    void tick(int times = 1) {
        for (int i = 0; i < times; ++i) ui.fire({kMainWindow, "时钟2", EventKind::TimerTick});
    }
    std::string shown() { return ui.statusText(1); }
};

TEST(WritingClock, CountsSecondsIntoMinutesAndHoursWithTwoDigitFields) {
    ClockApp t;
    t.k.writing.on = true;
    t.tick(59);
    EXPECT_EQ(t.shown(), kPrefix + "00:00:59");
    t.tick();
    EXPECT_EQ(t.shown(), kPrefix + "00:01:00");
    t.tick(3599 - 60 + 1);
    EXPECT_EQ(t.shown(), kPrefix + "01:00:00");
}

TEST(WritingClock, HoursShowOnlyTheirLastTwoDigits) {
    TestKalamo t;
    WritingClock clock(t.k);
    t.k.writing.on = true;
    for (long i = 0; i < 123L * 3600 + 5; ++i) clock.onTick();
    EXPECT_EQ(t.ui.statusText(1), kPrefix + "23:00:05");
}

TEST(WritingClock, PausesWhileWritingIsOffAndStampsTheHourOnceReached) {
    ClockApp t;
    const std::string before = t.shown();
    t.tick(5);
    EXPECT_EQ(t.shown(), before);  // writing off from the start: never set

    t.k.writing.on = true;
    t.tick(30 * 60);
    t.k.writing.on = false;
    t.tick(60 * 60);
    EXPECT_EQ(t.shown(), kPrefix + "00:30:00");
    t.k.writing.on = true;
    t.tick(30 * 60 - 1);
    EXPECT_EQ(t.ini("软件设置", "60min"), "");
    t.tick();
    EXPECT_EQ(t.shown(), kPrefix + "01:00:00");
    EXPECT_EQ(t.ini("软件设置", "60min"), DayStamp(t.clock.now()));

    // Past midnight the new day is stamped without a new hour, writing on or not.
    t.k.writing.on = false;
    t.clock.time.day = 1;
    t.clock.time.month = 2;
    t.tick();
    EXPECT_EQ(t.ini("软件设置", "60min"), "201621");
}

TEST(WritingClock, AStampThatDidNotReachTheFileIsTriedAgain) {
    ClockApp t;
    t.k.writing.on = true;
    t.tick(3599);
    t.settings.writeSetting("软件设置", "自动保存", "真");
    t.settings.setIniAttributes(true);
    t.tick();
    EXPECT_EQ(t.ini("软件设置", "60min"), "");
    t.settings.setIniAttributes(false);
    t.tick();
    EXPECT_EQ(t.ini("软件设置", "60min"), DayStamp(t.clock.now()));
}

}  // namespace
}  // namespace kalamo::test
