// The high scores around the game: H on the main menu (X on a pad) opens
// the table screen, and a game that ends with a score that makes its
// difficulty's table asks for the player's initials, then keeps the entry
// and its replay in the player's profile and shows it in the table.
//
// Without an open profile the table screen says that scores are not kept,
// and games end on the game's own end screens. A profile that cannot be
// written shows its tables but asks for no initials.
#pragma once

#include <string>

#include "app/extensions.h"

struct Profile;

// Installs the main menu's H and the two screens into app_extensions and
// loads their pictures (from the working directory, as the menus are). The
// profile, null for none, stays the caller's and must outlive the screens.
void InstallHighScores(Profile* profile);
// Takes them out again and frees their pictures.
void UninstallHighScores();

// A game that has just ended, game over or finished.
struct EndedGame {
    int difficulty = 0;  // 0 easy, 1 medium, 2 hard
    int score = 0;
    int level = 1;       // the level reached, as the HUD shows it
    bool finished = false;
    std::string replay;  // the replay of the game from its first frame; empty for none
};

// Called once a game has ended, before its end screen is drawn. When its
// score makes its difficulty's table and the profile can keep it, the
// initials screen takes the end screen's place (game_state becomes
// STATE_ENTER_INITIALS) and 1 is returned; otherwise nothing changes and 0
// is returned.
int OfferFinishedGame(EndedGame game);

// How the table screen plays an entry's replay: given the replay's file name
// in the profile's replays/, starts playing it in the game, to come back to
// STATE_HIGH_SCORES when it ends; 0 when it cannot be played (having said
// why). Null, the default, plays none.
extern int (*play_entry_replay)(const std::string& name);
