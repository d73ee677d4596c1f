// The millisecond clock in a browser page. The game waits in loops; every
// wait hands the page its turn (keys, drawing, sound) and comes back after
// it, through the unwinding and rewinding of the call stack that the link
// builds in.
#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstdint>

#include "platform/clock.h"

extern "C" void WavedartYieldToPage();

// The page's steady clock, counted from the wall-clock time at which the page
// loaded: the first reading seeds the random sequence, so every load of the
// page differs, and the wall clock being set meanwhile changes nothing.
uint32_t PlatformGetTicks()
{
    static const double page_loaded_at = emscripten_date_now() - emscripten_get_now();
    return static_cast<uint32_t>(static_cast<uint64_t>(page_loaded_at + emscripten_get_now()));
}

void PlatformSleep(uint32_t ms)
{
    emscripten_sleep(ms);
}

// A page's timers are held back to 4 ms once they nest, as the game's waits
// do: the sleep ends this far before the tick, and the page's turns fill the
// rest.
void PlatformSleepUntil(uint32_t tick)
{
    constexpr int32_t YIELD_MARGIN_MS = 2;
    const auto left = static_cast<int32_t>(tick - PlatformGetTicks());
    if (left > YIELD_MARGIN_MS) {
        emscripten_sleep(static_cast<unsigned>(left - YIELD_MARGIN_MS));
    } else if (left > 0) {
        WavedartYieldToPage();
    }
}
