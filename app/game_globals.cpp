#include "app/game_state.h"

int game_state = STATE_MAIN_MENU;
int score = 0;
int lives = 0;
int level = 0;
int fuel = FUEL_FULL;
int difficulty = 0;
int scroll_speed = 0;
int player_dx = 0;
int fire_cooldown = FIRE_INTERVAL;
int engine_sound_on = 0;
int death_frames = 0;
char text_buffer[TEXT_BUFFER_SIZE] = {};
