#include "replays/attract.h"

#include <cstdio>
#include <string>

#include "app/frame_clock.h"
#include "app/game_state.h"
#include "input/keyboard.h"
#include "replays/playback.h"

namespace {

std::function<bool(Demo*)> attract_source;
bool timing = false;
uint32_t idle_since = 0;

}  // namespace

void SetAttractSource(std::function<bool(Demo*)> source)
{
    attract_source = std::move(source);
    timing = false;
}

void AttractBeforeFrame()
{
    if (!attract_source) return;
    const uint32_t now = clock_start;
    if (!timing || PlaybackActive() || game_state != STATE_MAIN_MENU || DevicesHeld()) {
        timing = true;
        idle_since = now;
        return;
    }
    if (now - idle_since < ATTRACT_IDLE_MS) return;
    idle_since = now;
    Demo demo;
    std::string error;
    if (!attract_source(&demo)) return;
    if (!StartPlayback(demo, PlaybackMode::ATTRACT, &error)) {
        std::fprintf(stderr, "wavedart: the attract mode's replay does not play: %s\n", error.c_str());
    }
}
