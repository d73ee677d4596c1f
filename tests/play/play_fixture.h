// Plays the real game on the headless backend from the generated data: the
// state machine, the keys held per frame and a fixed random seed.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "app/game_state.h"
#include "graphics/sprite.h"
#include "input/key_codes.h"

class PlayTest : public ::testing::Test {
protected:
    // The tick count that seeds the random generator at start-up.
    static constexpr unsigned SEED_TICKS = 4242;

    void SetUp() override;
    void TearDown() override;

    // One frame through the state machine with exactly these keys held.
    static void Frame(std::initializer_list<int> keys = {});
    // From the main menu to the first play frame of a new game, chosen with
    // the difficulty key; start_level is set before the first life starts.
    static void StartGame(int difficulty_key = DIK_E, int start_level = 0);
    // Empties every enemy pool, so that a scene holds only what a test puts in.
    static void ClearAllEnemies();
    // Flies up the middle of the river with the keys held (Up among them),
    // the tank kept full, until the craft's world y is at most target_y.
    // False when the craft crashed first.
    static bool ClimbTo(int target_y, std::initializer_list<int> keys = {DIK_UP});
    // Puts the enemy 120 pixels ahead of the climbing craft, about to cross
    // its line of fire, and fires until it is down, the craft crashes or
    // 30 frames pass. Returns the frames flown.
    static int ShootEnemyAhead(Sprite* enemy);
    static int CraftWorldX();
    static int CraftWorldY();
    static int ActiveExplosions();
    static int FlyingMissiles(int owner);
};
