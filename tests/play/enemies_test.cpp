// The enemies through real frames: placement from the level table and the
// random generator, crossing and turning, firing, ramming, and being shot.
#include <vector>

#include "game/craft.h"
#include "game/enemies.h"
#include "game/explosions.h"
#include "game/level_objects.h"
#include "game/missiles.h"
#include "platform/random.h"
#include "play_fixture.h"
#include "sound/game_sounds.h"
#include "sound/sound_device.h"

namespace {

// The speeds a kind may be given, facing left and facing right; the second
// random number picks among them by its remainder.
struct KindSpeeds {
    std::vector<int> left;
    std::vector<int> right;
};

const KindSpeeds SPEEDS[ENEMY_KIND_COUNT] = {
    {{-3, -2}, {2, 3}},         // boat
    {{-4, -3, -2}, {2, 3, 4}},  // cruiser
    {{-3, -2}, {2, 3}},         // destroyer
    {{-4, -3}, {3, 4}},         // helicopter
    {{-5, -4}, {4, 5}},         // plane
    {{-6, -5}, {5, 6}},         // jet
};

constexpr unsigned PLACEMENT_SEED = 777;

int WorldX(const Sprite& sprite) { return sprite.vars[VAR_WORLD_X]; }

// Puts an enemy at a world position, keeping the speed it was placed with.
void PutEnemy(Sprite& enemy, int world_x, int world_y)
{
    enemy.state = 1;
    enemy.vars[VAR_WORLD_X] = world_x;
    enemy.vars[VAR_WORLD_Y] = world_y;
}

}  // namespace

class PlacementTest : public PlayTest, public ::testing::WithParamInterface<int> {};

TEST_P(PlacementTest, EachEnemyTakesTwoRandomNumbersInRowAndKindOrder)
{
    const int level_index = GetParam();
    StartGame();
    // A life starts with this seed: the placement's draws can be replayed.
    wavedart::srand(PLACEMENT_SEED);
    game_state = STATE_START_LIFE;
    level = level_index;
    Frame();
    ASSERT_EQ(game_state, STATE_PLAYING);

    wavedart::srand(PLACEMENT_SEED);
    const int rows = level_object_counts[level_index];
    for (int kind = 0; kind < ENEMY_KIND_COUNT; ++kind) {
        int record = 0;
        for (int row = 0; row < rows; ++row) {
            const LevelObject& object = level_objects[level_index][row];
            if (object.kind != kind) continue;
            const int r1 = wavedart::rand();
            const int r2 = wavedart::rand();
            const std::vector<int>& speeds = r1 % 2 == 0 ? SPEEDS[kind].left : SPEEDS[kind].right;
            const Sprite& enemy = enemy_pools[kind][record++];
            SCOPED_TRACE(testing::Message() << "kind " << kind << " row " << row);
            EXPECT_EQ(enemy.state, 1);
            EXPECT_EQ(enemy.vars[VAR_FACING], r1 % 2);
            EXPECT_EQ(static_cast<int>(enemy.xv),
                      speeds[static_cast<std::size_t>(r2) % speeds.size()]);
            EXPECT_EQ(enemy.yv, 0.0f);
            EXPECT_EQ(enemy.vars[VAR_WORLD_X], object.x);
            EXPECT_EQ(enemy.vars[VAR_WORLD_Y], object.y);
            EXPECT_EQ(enemy.vars[VAR_FIRES], object.fires);
            EXPECT_EQ(enemy.aux[AUX_FIRE_TIMER], 0);
        }
        for (; record < ENEMY_POOL_SIZE; ++record) EXPECT_EQ(enemy_pools[kind][record].state, 0);
    }
    // Nothing else drew from the generator.
    const int next = wavedart::rand();
    wavedart::srand(PLACEMENT_SEED);
    for (int kind = 0; kind < ENEMY_KIND_COUNT; ++kind) {
        for (int row = 0; row < rows; ++row) {
            if (level_objects[level_index][row].kind != kind) continue;
            wavedart::rand();
            wavedart::rand();
        }
    }
    EXPECT_EQ(next, wavedart::rand());
}

INSTANTIATE_TEST_SUITE_P(FirstAndLastLevel, PlacementTest, ::testing::Values(0, 9));

TEST_F(PlayTest, BoatOfLevelOneShotDownForThreeHundred)
{
    StartGame();
    ClearAllEnemies();
    ASSERT_TRUE(ClimbTo(3600));
    Sprite& boat = boats[5];
    const int frames = ShootEnemyAhead(&boat);
    EXPECT_EQ(game_state, STATE_PLAYING);
    EXPECT_EQ(boat.state, 0);
    EXPECT_EQ(score, 300);
    // The first shot hit, before a second could be fired.
    EXPECT_LT(frames, FIRE_INTERVAL);
    EXPECT_EQ(FlyingMissiles(OWNER_PLAYER), 0);
    ASSERT_EQ(ActiveExplosions(), 1);
    EXPECT_EQ(explosions[0].vars[VAR_WORLD_X], WorldX(boat));
    EXPECT_EQ(GetSoundStatus(explosion_sounds[0]) & DSBSTATUS_PLAYING, DSBSTATUS_PLAYING);
}

TEST_F(PlayTest, RammingAnEnemyEndsTheLifeAndThatKindsUpdate)
{
    StartGame();
    // Boat 0 sits on the hovering craft; the later boats wait a frame.
    PutEnemy(boats[0], craft_start_x, CraftWorldY());
    std::vector<int> boats_x;
    for (const Sprite& boat : boats) boats_x.push_back(WorldX(boat));
    const int cruiser_x = WorldX(cruisers[0]);
    Frame();
    EXPECT_EQ(game_state, STATE_DYING);
    EXPECT_EQ(craft.state, 0);
    EXPECT_EQ(boats[0].state, 0);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(ActiveExplosions(), 2);
    EXPECT_EQ(explosions[0].vars[VAR_WORLD_Y], CraftWorldY());
    for (std::size_t i = 1; i < boats_x.size(); ++i) EXPECT_EQ(WorldX(boats[i]), boats_x[i]);
    EXPECT_NE(WorldX(cruisers[0]), cruiser_x);

    // The unseen craft still rams what it meets, for no points.
    PutEnemy(cruisers[0], CraftWorldX(), CraftWorldY());
    Frame();
    EXPECT_EQ(cruisers[0].state, 0);
    EXPECT_EQ(ActiveExplosions(), 4);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(game_state, STATE_DYING);
}

TEST_F(PlayTest, EnemyTurnsAtTheBank)
{
    StartGame();
    ClearAllEnemies();
    // The lowest boat of level 1 is on the screen from the start.
    Sprite& boat = boats[5];
    boat.state = 1;
    bool turned = false;
    for (int frame = 0; frame < 300 && !turned; ++frame) {
        const int world_x = WorldX(boat);
        const float xv = boat.xv;
        const int facing = boat.vars[VAR_FACING];
        Frame();
        ASSERT_EQ(game_state, STATE_PLAYING);
        if (boat.xv == xv) {
            ASSERT_EQ(WorldX(boat), static_cast<int>(static_cast<float>(world_x) + xv));
            continue;
        }
        turned = true;
        EXPECT_EQ(boat.xv, -xv);
        EXPECT_EQ(boat.vars[VAR_FACING], 1 - facing);
        EXPECT_EQ(boat.curr_frame, 1 - facing);
        EXPECT_EQ(WorldX(boat), world_x + static_cast<int>(xv) - 5 * static_cast<int>(xv));
    }
    EXPECT_TRUE(turned);
}

TEST_F(PlayTest, FiringEnemyShootsOnItsThirtyFirstUpdate)
{
    StartGame(DIK_E, 1);
    ClearAllEnemies();
    // Level 2's second cruiser fires, its first does not; both on screen.
    Sprite& shooter = cruisers[1];
    Sprite& quiet = cruisers[0];
    ASSERT_EQ(shooter.vars[VAR_FIRES], 1);
    ASSERT_EQ(quiet.vars[VAR_FIRES], 0);
    PutEnemy(shooter, 320, 3600);
    PutEnemy(quiet, 320, 3500);
    for (int update = 1; update <= 30; ++update) {
        Frame();
        ASSERT_EQ(game_state, STATE_PLAYING);
    }
    EXPECT_EQ(shooter.aux[AUX_FIRE_TIMER], 30);
    EXPECT_EQ(FlyingMissiles(OWNER_ENEMY), 0);
    Frame();
    EXPECT_EQ(shooter.aux[AUX_FIRE_TIMER], 0);
    ASSERT_EQ(FlyingMissiles(OWNER_ENEMY), 1);
    const Sprite& missile = missiles[0];
    const float lead = shooter.vars[VAR_FACING] == 1 ? 5.0f : -5.0f;
    EXPECT_EQ(missile.xv, shooter.xv + lead);
    EXPECT_EQ(missile.yv, 0.0f);
    EXPECT_EQ(missile.vars[VAR_WORLD_Y], 3600 - 4);
    EXPECT_EQ(GetSoundStatus(enemy_missile_sounds[0]) & DSBSTATUS_PLAYING, DSBSTATUS_PLAYING);
    EXPECT_EQ(quiet.aux[AUX_FIRE_TIMER], 0);

    for (int update = 1; update <= 30; ++update) Frame();
    EXPECT_EQ(shooter.aux[AUX_FIRE_TIMER], 30);
    Frame();
    EXPECT_EQ(shooter.aux[AUX_FIRE_TIMER], 0);
}
