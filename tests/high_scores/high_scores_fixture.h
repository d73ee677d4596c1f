// The real game on the headless backend with the high scores installed over
// a scratch profile, played key by key and read back from the shown picture.
#pragma once

#include <string>

#include "high_scores/high_scores.h"
#include "added_screens/screen_text.h"
#include "high_scores/screen_layout.h"
#include "platform/headless/headless_video.h"
#include "profile/profile.h"
#include "profile/scores.h"
#include "tests/high_scores/game_over.h"
#include "tests/play/play_fixture.h"
#include "tests/play/shown_text.h"
#include "tests/profile/profile_fixture.h"

class HighScoresTest : public PlayTest {
protected:
    void SetUp() override
    {
        PlayTest::SetUp();
        OpenProfile(scratch.path, &profile);
        ASSERT_TRUE(profile.can_write);
    }

    void TearDown() override
    {
        UninstallHighScores();
        play_entry_replay = nullptr;
        PlayTest::TearDown();
        CloseProfile(&profile);
    }

    // A key pressed for one frame and let go in the next.
    static void Tap(int key)
    {
        Frame({key});
        Frame();
    }

    // An entry of the table with the given initials and score.
    void Keep(int table, const char* initials, int points, const std::string& replay = "")
    {
        ASSERT_TRUE(AddScore(profile, table, {initials, points, 2, false, "2024-05-01", replay}).saved);
    }

    static int RowY(int row) { return TABLE_ROW_FIRST_Y + row * TABLE_ROW_PITCH; }

    ScratchFolder scratch;
    Profile profile;
};
