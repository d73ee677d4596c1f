// The menus, the instructions and the two end screens.
#include "app/game_state.h"
#include "input/keyboard.h"
#include "platform/window.h"

void RunMainMenu()
{
    ReadKeyboard();
    if (KeyState[DIK_ESCAPE]) {
        game_state = STATE_QUIT;
        PlatformPostMessage(WM_DESTROY, 0);
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
}

void RunInstructions()
{
    ReadKeyboard();
    if (KeyState[DIK_BACK]) {
        game_state = STATE_MAIN_MENU;
        return;
    }
}

void RunGameFinished()
{
    ReadKeyboard();
    if (KeyState[DIK_BACK]) {
        game_state = STATE_MAIN_MENU;
        return;
    }
}

void RunGameOver()
{
    ReadKeyboard();
    if (KeyState[DIK_BACK]) {
        game_state = STATE_MAIN_MENU;
        return;
    }
}
