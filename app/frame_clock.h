// The frame clock: one mark shared by the frame loop and the fades.
#pragma once
#include <cstdint>

constexpr uint32_t FRAME_PERIOD_MS = 30;

extern uint32_t clock_start;

uint32_t MarkFrameStart();
// Returns once at least period milliseconds have passed since the last mark,
// counted in unsigned 32-bit arithmetic so that the clock may wrap.
uint32_t WaitSinceMark(uint32_t period);
