#include "options/controls_screen.h"

#include <string>

#include "added_screens/key_presses.h"
#include "added_screens/screen_text.h"
#include "app/extensions.h"
#include "app/game_state.h"
#include "app/menu_screens.h"
#include "graphics/display.h"
#include "graphics/text_log.h"
#include "input/bindings.h"
#include "input/control_names.h"
#include "input/keyboard.h"
#include "options/controls_layout.h"
#include "options/options_screen.h"
#include "options/player_settings.h"
#include "options/settings_table.h"

namespace {

constexpr const char* ACTION_LABELS[ACTION_COUNT] = {
    "STEER LEFT", "STEER RIGHT", "FASTER", "SLOWER", "FIRE", "PAUSE", "BACK TO MENU",
};
constexpr int RESET_ROW = ACTION_COUNT;
constexpr int ROWS = ACTION_COUNT + 1;
static_assert(ROWS == CONTROLS_ROWS, "the picture's rows are the actions and the reset");

struct ControlsScreen {
    BitmapImage picture{};
    int row = 0;
    ScreenPresses keys{};
    // Frames left of the wait for a press on the chosen row; 0: not waiting.
    int waiting = 0;
    // The devices as the last frame of the wait found them, so that only
    // what goes down during the wait counts.
    DeviceInput devices{};
};

ControlsScreen screen;

int RowY(int row)
{
    return CONTROLS_ROW_FIRST_Y + row * CONTROLS_ROW_PITCH;
}

// Writes every binding into the settings, which keep those that changed.
void KeepBindings()
{
    for (int action = 0; action < ACTION_COUNT; ++action) {
        ChangeSetting(BindingSettingIndex(SETTING_KEY, action), bindings[action].key);
        ChangeSetting(BindingSettingIndex(SETTING_BUTTON, action), static_cast<int>(bindings[action].button));
    }
}

std::string Shown(SettingKind kind, int action)
{
    const int index = BindingSettingIndex(kind, action);
    const int value = kind == SETTING_KEY ? bindings[action].key : static_cast<int>(bindings[action].button);
    return SettingShown(SettingTable()[static_cast<std::size_t>(index)], value);
}

void DrawRow(int row, bool chosen)
{
    const int y = RowY(row);
    if (chosen) FillRowBar(CONTROLS_BOX_LEFT, CONTROLS_BOX_RIGHT, y, CONTROLS_BAR_ABOVE, CONTROLS_BAR_BELOW);
    const uint32_t colour = chosen ? TEXT_GOLD : TEXT_WHITE;
    if (row == RESET_ROW) {
        DrawText("RESET TO DEFAULTS", CONTROLS_LABEL_X, y, colour, back_surface);
        return;
    }
    DrawText(ACTION_LABELS[row], CONTROLS_LABEL_X, y, colour, back_surface);
    const bool asking = chosen && screen.waiting > 0;
    DrawTextCentred(asking ? "?" : Shown(SETTING_KEY, row).c_str(), CONTROLS_KEY_CENTRE_X, y, colour);
    DrawTextCentred(asking ? "?" : Shown(SETTING_BUTTON, row).c_str(), CONTROLS_BUTTON_CENTRE_X, y, colour);
}

void DrawStatus()
{
    const int centre = (CONTROLS_BOX_LEFT + CONTROLS_BOX_RIGHT) / 2;
    if (screen.waiting > 0) {
        const std::string ask = std::string("PRESS A KEY OR A PAD BUTTON TO ") + ACTION_LABELS[screen.row];
        DrawTextCentred(ask.c_str(), centre, CONTROLS_STATUS_Y, TEXT_GOLD);
        DrawTextCentred("ESCAPE, OR A WAIT OF FIVE SECONDS, KEEPS WHAT IT HAS", centre,
                        CONTROLS_STATUS_Y + CONTROLS_STATUS_PITCH, TEXT_WHITE);
    } else if (!SettingsKept()) {
        DrawTextCentred("SETTINGS ARE NOT KEPT: THEY LAST UNTIL THE GAME ENDS", centre,
                        CONTROLS_STATUS_Y + CONTROLS_STATUS_PITCH, TEXT_ALERT);
    }
}

void DrawControls()
{
    ShowScreenImage(&screen.picture);
    for (int row = 0; row < ROWS; ++row) DrawRow(row, row == screen.row);
    DrawStatus();
    PresentFrame();
}

// Binds the first key or button that went down since the last frame and
// can be bound to the chosen action. Escape, or the wait running out, binds
// nothing.
void Await()
{
    DeviceInput now{};
    ReadDevices(&now);
    const DeviceInput before = screen.devices;
    screen.devices = now;
    screen.waiting -= 1;
    if (now.keys[DIK_ESCAPE] && !before.keys[DIK_ESCAPE]) {
        screen.waiting = 0;
        return;
    }
    for (int key = 0; key < 256; ++key) {
        if (now.keys[key] && !before.keys[key] && BindKey(screen.row, key)) {
            screen.waiting = 0;
            KeepBindings();
            return;
        }
    }
    const unsigned pressed = now.pad_buttons & ~before.pad_buttons;
    for (unsigned bit = 1; bit != 0; bit <<= 1) {
        if ((pressed & bit) && BindButton(screen.row, bit)) {
            screen.waiting = 0;
            KeepBindings();
            return;
        }
    }
}

void Choose()
{
    if (screen.row == RESET_ROW) {
        ResetBindings();
        KeepBindings();
        return;
    }
    screen.waiting = CONTROLS_WAIT_FRAMES;
    ReadDevices(&screen.devices);
}

void RunControls()
{
    ReadKeyboard();
    if (!screen.keys.started) {
        screen.row = 0;
        screen.waiting = 0;
    }
    TakeScreenPresses(&screen.keys, KeyState);
    if (screen.waiting > 0) {
        Await();
        DrawControls();
        return;
    }
    const KeyPresses* presses = &screen.keys.presses;
    if (KeyPressed(presses, DIK_BACK)) {
        screen.keys.started = false;
        OpenOptionsScreen();
        return;
    }
    if (KeyPressed(presses, DIK_UP)) screen.row = (screen.row + ROWS - 1) % ROWS;
    if (KeyPressed(presses, DIK_DOWN)) screen.row = (screen.row + 1) % ROWS;
    if (KeyPressed(presses, DIK_RETURN) || KeyPressed(presses, DIK_NUMPADENTER) || KeyPressed(presses, DIK_SPACE)) {
        Choose();
    }
    DrawControls();
}

}  // namespace

void InstallControls()
{
    LoadScreenPicture(&screen.picture, "menuart/controls_screen.bmp");
    app_extensions.screens[STATE_CONTROLS - STATE_EXTRA_FIRST] = RunControls;
}

void UninstallControls()
{
    app_extensions.screens[STATE_CONTROLS - STATE_EXTRA_FIRST] = nullptr;
    DestroyBitmapImage(&screen.picture);
    screen = ControlsScreen{};
}
