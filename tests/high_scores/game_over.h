// A game over handed to the high scores as the game hands it on, before its
// end screen shows.
#pragma once

#include <string>

#include "app/game_state.h"
#include "high_scores/high_scores.h"

inline int GameOver(int game_difficulty, int game_score, const std::string& replay = "")
{
    game_state = STATE_GAME_OVER;
    score = game_score;
    EndedGame game;
    game.difficulty = game_difficulty;
    game.score = game_score;
    game.level = 3;
    game.replay = replay;
    return OfferFinishedGame(game);
}
