// Ramming an enemy: the life ends for no points, and the rest of that kind
// waits for the next frame, while other kinds move on.
#include "game/explosions.h"
#include "play_fixture.h"
#include "sound/game_sounds.h"
#include "sound/sound_device.h"

namespace {

int CraftWorldY()
{
    return craft.vars[VAR_WORLD_Y];
}

int ActiveExplosions()
{
    int count = 0;
    for (const Sprite& explosion : explosions) count += explosion.state == 1 ? 1 : 0;
    return count;
}

}  // namespace

TEST_F(PlayTest, RammingAnEnemyEndsTheLifeForNoPointsAndThatKindsUpdate)
{
    StartGame();
    // Boat 0 sits on the hovering craft; boat 1 waits a frame, cruisers move.
    for (Sprite* enemy : {&boats[0], &boats[1], &cruisers[0]}) {
        enemy->state = 1;
        enemy->xv = 2.0f;
        enemy->vars[VAR_WORLD_X] = craft_start_x;
        enemy->vars[VAR_WORLD_Y] = CraftWorldY() - (enemy == &boats[0] ? 0 : 200);
    }
    Frame();
    EXPECT_EQ(boats[0].state, 0);
    EXPECT_EQ(boats[1].vars[VAR_WORLD_X], craft_start_x);
    EXPECT_EQ(cruisers[0].vars[VAR_WORLD_X], craft_start_x + 2);
    EXPECT_EQ(ActiveExplosions(), 2);
    EXPECT_EQ(GetSoundStatus(explosion_sounds[0]) & DSBSTATUS_PLAYING, DSBSTATUS_PLAYING);
    // The unseen craft still rams what it meets, for no points.
    cruisers[0].vars[VAR_WORLD_Y] = CraftWorldY();
    cruisers[0].vars[VAR_WORLD_X] = craft.vars[VAR_WORLD_X];
    Frame();
    EXPECT_EQ(cruisers[0].state, 0);
    EXPECT_EQ(ActiveExplosions(), 4);
    EXPECT_EQ(score, 0);
}
