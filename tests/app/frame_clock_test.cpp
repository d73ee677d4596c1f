#include <gtest/gtest.h>

#include "app/frame_clock.h"
#include "platform/headless/headless.h"

TEST(FrameClock, WaitEndsNoSoonerThanThePeriodAfterTheMark)
{
    HeadlessSetTicks(5000);
    EXPECT_EQ(MarkFrameStart(), 5000u);
    const uint32_t end = WaitSinceMark(30);
    EXPECT_GE(end - 5000u, 30u);
    EXPECT_LE(end - 5000u, 32u);
}

TEST(FrameClock, WaitSurvivesTheClockWrappingAround)
{
    HeadlessSetTicks(0xFFFFFFF0u);
    MarkFrameStart();
    const uint32_t end = WaitSinceMark(30);
    EXPECT_GE(end, 14u);
    EXPECT_LT(end, 0x10000u) << "the wait must not run for another 2^32 ms";
}

TEST(FrameClock, LongFrameIsNotMadeUpFor)
{
    HeadlessSetTicks(100);
    MarkFrameStart();
    HeadlessSetTicks(180);
    EXPECT_EQ(WaitSinceMark(30), 180u);
}

TEST(FrameClock, WaitMeasuresFromTheLatestMark)
{
    HeadlessSetTicks(100);
    MarkFrameStart();
    HeadlessSetTicks(125);
    MarkFrameStart();
    EXPECT_GE(WaitSinceMark(30), 155u);
}
