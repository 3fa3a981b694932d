#include "ui/qt/termination_relay.h"

#include <gtest/gtest.h>
#include <signal.h>

#include "qt_test_support.h"

namespace kalamo::test {
namespace {

// The handler only writes to a pipe; the call comes from the event loop.
TEST(WindowEnd, SigtermArrivesAsOneCallFromTheEventLoop) {
    int calls = 0;
    {
        TerminationRelay relay([&calls] { ++calls; });
        raise(SIGTERM);
        EXPECT_EQ(calls, 0) << "nothing runs inside the signal handler";
        EXPECT_TRUE(WaitFor([&calls] { return calls > 0; }));
    }
    EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace kalamo::test
