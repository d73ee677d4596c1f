// The menus, the instructions and the two end screens.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "app/extensions.h"
#include "app/game_state.h"
#include "app/menu_screens.h"
#include "app/shell.h"
#include "graphics/display.h"
#include "graphics/text_log.h"
#include "input/keyboard.h"

namespace {

constexpr int SCORE_RIGHT_X = 380;
constexpr int SCORE_Y = 340;
constexpr uint32_t TEXT_WHITE = 0xFFFFFF;

void ShowMenuScreen(BitmapImage* image)
{
    ShowScreenImage(image);
    PresentFrame();
}

// The picture with the final score ending at x 380.
void ShowEndScreen(BitmapImage* image)
{
    ShowScreenImage(image);
    std::snprintf(text_buffer, sizeof text_buffer, "%s", FormatScoreText(score));
    const int length = static_cast<int>(std::strlen(text_buffer));
    DrawText(text_buffer, SCORE_RIGHT_X - 8 * length, SCORE_Y, TEXT_WHITE, back_surface);
    PresentFrame();
}

}  // namespace

void RunMainMenu()
{
    ReadKeyboard();
    if (KeyState[DIK_ESCAPE]) {
        BeginQuit();
        return;
    }
    if (KeyState[DIK_N]) {
        game_state = STATE_NEW_GAME_MENU;
        return;
    }
    if (KeyState[DIK_I]) {
        game_state = STATE_INSTRUCTIONS;
        return;
    }
    for (int (*keys)() : app_extensions.main_menu_keys) {
        if (keys && keys()) return;
    }
    ShowMenuScreen(&main_screen);
}

void RunNewGameMenu()
{
    ReadKeyboard();
    if (KeyState[DIK_BACK]) {
        game_state = STATE_MAIN_MENU;
        return;
    }
    constexpr int DIFFICULTY_KEYS[] = {DIK_E, DIK_M, DIK_D};
    for (int choice = 0; choice < 3; ++choice) {
        if (KeyState[DIFFICULTY_KEYS[choice]]) {
            difficulty = choice;
            game_state = STATE_NEW_GAME;
            return;
        }
    }
    ShowMenuScreen(&new_game_screen);
}

void RunInstructions()
{
    ReadKeyboard();
    if (KeyState[DIK_BACK]) {
        game_state = STATE_MAIN_MENU;
        return;
    }
    ShowMenuScreen(&instruction_screen);
}

void RunGameFinished()
{
    ReadKeyboard();
    if (KeyState[DIK_BACK]) {
        game_state = STATE_MAIN_MENU;
        return;
    }
    ShowEndScreen(&game_finish_screen);
}

void RunGameOver()
{
    ReadKeyboard();
    if (KeyState[DIK_BACK]) {
        game_state = STATE_MAIN_MENU;
        return;
    }
    ShowEndScreen(&game_over_screen);
}
