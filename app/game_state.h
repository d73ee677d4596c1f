// The game's states and the globals that the states set.
#pragma once

constexpr int STATE_MAIN_MENU = 0;
constexpr int STATE_NEW_GAME_MENU = 1;
constexpr int STATE_INSTRUCTIONS = 2;
constexpr int STATE_GAME_FINISHED = 4;
constexpr int STATE_PLAYING = 5;
constexpr int STATE_START_LIFE = 6;
constexpr int STATE_QUIT = 7;
constexpr int STATE_CLOSING = 8;
constexpr int STATE_DYING = 9;
constexpr int STATE_NEW_GAME = 10;
constexpr int STATE_GAME_OVER = 11;
constexpr int STATE_LEVEL_COMPLETE = 12;
constexpr int STATE_COUNT = 13;

constexpr int MAX_LIVES = 3;
constexpr int MAX_LEVELS = 10;
constexpr int FUEL_FULL = 1000;
constexpr int FIRE_INTERVAL = 15;
constexpr int DEATH_FRAMES = 14;
constexpr int MAX_SCROLL_SPEED = -5;
constexpr int PLAYER_STEP = 4;
constexpr int DEATH_PAUSE_MS = 1000;

constexpr int TEXT_BUFFER_SIZE = 80;

extern int game_state;
extern int score;
extern int lives;
extern int level;
extern int fuel;
extern int difficulty;
extern int scroll_speed;
extern int player_dx;
extern int fire_cooldown;
extern int engine_sound_on;
extern int death_frames;
extern char text_buffer[TEXT_BUFFER_SIZE];

// The state handlers, one per state number that has one.
void RunMainMenu();
void RunNewGameMenu();
void RunInstructions();
void RunGameFinished();
void RunGameOver();
void RunPlaying();
void StartLife();
void RunQuit();
void RunDying();
void StartNewGame();
void RunLevelComplete();

// The score as eight digits with leading zeros: the last eight characters
// of the score written after seven zeros.
const char* FormatScoreText(int value);
