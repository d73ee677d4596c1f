#include <gtest/gtest.h>

#include "app/frame_clock.h"
#include "platform/headless/headless.h"

TEST(FrameClock, WaitEndsThePeriodAfterTheLatestMarkAndALongFrameIsNotMadeUpFor)
{
    struct Case {
        uint32_t mark, remark, busy_until, end;
    };
    const Case cases[] = {
        {5000, 5000, 5000, 5030},
        {0xFFFFFFF0u, 0xFFFFFFF0u, 0xFFFFFFF0u, 14},  // the clock wraps round
        {100, 100, 180, 180},
        {100, 125, 125, 155},
    };
    for (const Case& c : cases) {
        HeadlessSetTicks(c.mark);
        MarkFrameStart();
        HeadlessSetTicks(c.remark);
        EXPECT_EQ(MarkFrameStart(), c.remark);
        HeadlessSetTicks(c.busy_until);
        EXPECT_EQ(WaitSinceMark(30), c.end) << c.mark;
    }
}
