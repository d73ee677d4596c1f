#include "options/options_screen.h"

#include <span>
#include <string>

#include "added_screens/key_presses.h"
#include "added_screens/screen_text.h"
#include "app/extensions.h"
#include "app/game_state.h"
#include "app/menu_screens.h"
#include "graphics/display.h"
#include "graphics/text_log.h"
#include "input/keyboard.h"
#include "options/player_settings.h"
#include "options/screen_layout.h"
#include "options/settings_table.h"
#include "sound/game_sounds.h"

namespace {

struct OptionsScreen {
    BitmapImage picture{};
    int row = 0;
    ScreenPresses keys{};
};

OptionsScreen screen;

bool ControlsInstalled()
{
    return app_extensions.screens[STATE_CONTROLS - STATE_EXTRA_FIRST] != nullptr;
}

int SettingRows()
{
    return static_cast<int>(OptionsScreenSettings().size());
}

int RowCount()
{
    return SettingRows() + (ControlsInstalled() ? 1 : 0);
}

int RowY(int row)
{
    return OPTIONS_ROW_FIRST_Y + row * OPTIONS_ROW_PITCH;
}

// A range as its cells, filled up to the value, and the number beside them.
void DrawRange(const SettingDef& setting, int value, int y)
{
    const int cells = setting.high - setting.low;
    const int width = cells * (OPTIONS_CELL_WIDTH + OPTIONS_CELL_GAP) - OPTIONS_CELL_GAP;
    const int left = OPTIONS_VALUE_CENTRE_X - width / 2 - 2 * TEXT_CHAR_WIDTH;
    const int top = y + (TEXT_CHAR_HEIGHT - OPTIONS_CELL_HEIGHT) / 2;
    for (int cell = 0; cell < cells; ++cell) {
        const int x = left + cell * (OPTIONS_CELL_WIDTH + OPTIONS_CELL_GAP);
        FillMark(x, top, x + OPTIONS_CELL_WIDTH, top + OPTIONS_CELL_HEIGHT,
                 cell < value - setting.low ? MARK_LINE_INDEX : MARK_DIM_INDEX);
    }
    DrawTextRight(SettingShown(setting, value).c_str(), left + width + 4 * TEXT_CHAR_WIDTH, y, TEXT_WHITE);
}

void DrawRow(int row, bool chosen)
{
    const int y = RowY(row);
    if (chosen) FillRowBar(OPTIONS_BOX_LEFT, OPTIONS_BOX_RIGHT, y, OPTIONS_BAR_ABOVE, OPTIONS_BAR_BELOW);
    const uint32_t colour = chosen ? TEXT_GOLD : TEXT_WHITE;
    if (row == SettingRows()) {
        DrawText("CONTROLS", OPTIONS_LABEL_X, y, colour, back_surface);
        DrawTextCentred("ENTER", OPTIONS_VALUE_CENTRE_X, y, colour);
        return;
    }
    const SettingDef& setting = SettingTable()[static_cast<std::size_t>(row)];
    DrawText(SettingLabelShown(setting).c_str(), OPTIONS_LABEL_X, y, colour, back_surface);
    const int value = SettingInForce(row);
    if (setting.kind == SETTING_RANGE) {
        DrawRange(setting, value, y);
    } else {
        DrawTextCentred(SettingShown(setting, value).c_str(), OPTIONS_VALUE_CENTRE_X, y, TEXT_WHITE);
    }
    if (chosen) {
        DrawTextCentred("<", OPTIONS_VALUE_CENTRE_X - OPTIONS_VALUE_HALF_WIDTH, y, TEXT_GOLD);
        DrawTextCentred(">", OPTIONS_VALUE_CENTRE_X + OPTIONS_VALUE_HALF_WIDTH, y, TEXT_GOLD);
    }
}

void DrawOptions()
{
    ShowScreenImage(&screen.picture);
    for (int row = 0; row < RowCount(); ++row) DrawRow(row, row == screen.row);
    if (!SettingsKept()) {
        DrawTextCentred("SETTINGS ARE NOT KEPT: THEY LAST UNTIL THE GAME ENDS",
                        (OPTIONS_BOX_LEFT + OPTIONS_BOX_RIGHT) / 2, OPTIONS_STATUS_Y, TEXT_ALERT);
    }
    PresentFrame();
}

void Step(int step)
{
    if (screen.row >= SettingRows()) return;
    const SettingDef& setting = SettingTable()[static_cast<std::size_t>(screen.row)];
    const int value = SettingInForce(screen.row);
    const int next = StepSetting(setting, value, step);
    if (next == value) return;
    ChangeSetting(screen.row, next);
    if (setting.cue) PlayPlayerMissileSound();
}

void Choose()
{
    if (screen.row == SettingRows()) {
        game_state = STATE_CONTROLS;
        return;
    }
    if (SettingTable()[static_cast<std::size_t>(screen.row)].kind == SETTING_CHOICE) Step(1);
}

int MainMenuKeys()
{
    if (!KeyState[DIK_O]) return 0;
    screen.row = 0;
    OpenOptionsScreen();
    return 1;
}

void RunOptions()
{
    ReadKeyboard();
    TakeScreenPresses(&screen.keys, KeyState);
    const KeyPresses* presses = &screen.keys.presses;
    if (KeyPressed(presses, DIK_BACK)) {
        game_state = STATE_MAIN_MENU;
        return;
    }
    const int rows = RowCount();
    if (KeyPressed(presses, DIK_UP)) screen.row = (screen.row + rows - 1) % rows;
    if (KeyPressed(presses, DIK_DOWN)) screen.row = (screen.row + 1) % rows;
    if (KeyPressed(presses, DIK_LEFT)) Step(-1);
    if (KeyPressed(presses, DIK_RIGHT)) Step(1);
    if (KeyPressed(presses, DIK_RETURN) || KeyPressed(presses, DIK_NUMPADENTER) || KeyPressed(presses, DIK_SPACE)) {
        Choose();
        if (game_state != STATE_OPTIONS) return;
    }
    DrawOptions();
}

}  // namespace

void InstallOptions()
{
    LoadScreenPicture(&screen.picture, "menuart/options_screen.bmp");
    AddMainMenuKeys(MainMenuKeys);
    app_extensions.screens[STATE_OPTIONS - STATE_EXTRA_FIRST] = RunOptions;
}

void UninstallOptions()
{
    RemoveMainMenuKeys(MainMenuKeys);
    app_extensions.screens[STATE_OPTIONS - STATE_EXTRA_FIRST] = nullptr;
    DestroyBitmapImage(&screen.picture);
    screen = OptionsScreen{};
}

void OpenOptionsScreen()
{
    game_state = STATE_OPTIONS;
    screen.keys.started = false;
}
