// The craft on open water may fly up to the screen's edges but not past them.
#include "app/game_state.h"
#include "game/craft.h"
#include "river_fixture.h"

TEST_F(RiverTest, CraftReachesTheScreensRightEdgeAndIsHeldThere)
{
    game_state = STATE_PLAYING;
    fuel = 500;
    scroll_speed = 0;
    craft.state = 1;
    craft.width = 40;
    craft.height = 48;
    craft.y = 100.0f;
    craft.vars[VAR_WORLD_Y] = 3000;
    craft.x = 597.0f;
    player_dx = 3;
    UpdateCraft();
    EXPECT_EQ(craft.x, 600.0f) << "exactly at the edge";
    UpdateCraft();
    EXPECT_EQ(craft.x, 600.0f) << "one step past it is taken back";
    EXPECT_EQ(game_state, STATE_PLAYING);
}
