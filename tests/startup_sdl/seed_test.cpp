// Every launch seeds the random sequence from a clock that runs on between
// launches, so that the river's enemies differ from one run to the next.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <array>
#include <chrono>
#include <thread>

#include "app/game_state.h"
#include "app/shell.h"
#include "platform/random.h"
#include "platform/window.h"

namespace {

// The game's whole run, closed on its first turn, and the first numbers the
// random sequence draws after it: the fade out draws none.
std::array<int, 3> LaunchAndDraw()
{
    game_state = STATE_MAIN_MENU;
    PlatformRequestClose();
    EXPECT_EQ(WinMain(), 0);
    std::array<int, 3> draws{};
    for (int& draw : draws) draw = wavedart::rand();
    return draws;
}

}  // namespace

TEST(Seed, TwoLaunchesASecondApartDrawDifferentNumbers)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::array<int, 3> first = LaunchAndDraw();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const std::array<int, 3> second = LaunchAndDraw();
    EXPECT_NE(first, second);
}
