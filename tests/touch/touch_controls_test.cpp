// The touch controls as keys: which key each control and tap presses on
// each screen, a tap between two frames still counting, no key left held,
// the main menu's quit row covered while the controls are shown, and their
// size and opacity settings reaching the page as percentages.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/extensions.h"
#include "app/game_state.h"
#include "app/menu_entries.h"
#include "app/menu_screens.h"
#include "graphics/bitmap.h"
#include "input/keyboard.h"
#include "input/touch_keys.h"
#include "options/settings_table.h"
#include "platform/headless/headless.h"
#include "tests/input/held_keys.h"
#include "touch/touch_controls.h"

TEST(TouchControls, TouchedKeysJoinTheKeyboardsAndNoneIsLeftHeld)
{
    OpenInput();
    ASSERT_TRUE(OpenKeyboard());
    const int space = DIK_SPACE;
    struct Step {
        const char* what;
        std::function<void()> act;
        std::set<int> held;  // after the next read
    };
    const Step steps[] = {
        {"a tap between two reads", [] { TouchKey(DIK_N, 1); TouchKey(DIK_N, 0); }, {DIK_N}},
        {"counts in the next only", [] {}, {}},
        {"keys outside the table", [] { TouchKey(0, 1); TouchKey(256, 1); TouchKey(-3, 1); }, {}},
        {"held with the keyboard's", [&] { HeadlessHoldKeys(&space, 1); TouchKey(DIK_LEFT, 1); }, {DIK_LEFT, DIK_SPACE}},
        {"and on the devices",
         [] {
             DeviceInput devices{};
             ReadDevices(&devices);
             EXPECT_EQ(devices.keys[DIK_LEFT], 0x80);
         },
         {DIK_LEFT, DIK_SPACE}},
        {"until let go", [] { TouchKey(DIK_LEFT, 0); HeadlessReleaseAllKeys(); }, {}},
        {"a control", [] { game_state = STATE_PLAYING; PressTouchControl(TOUCH_FIRE, 1); }, {DIK_SPACE}},
        {"let go as the key it went down as",
         [] { game_state = STATE_GAME_OVER; PressTouchControl(TOUCH_FIRE, 0); }, {}},
        {"three at once",
         [] {
             game_state = STATE_PLAYING;
             for (int control : {TOUCH_UP, TOUCH_RIGHT, TOUCH_FIRE}) PressTouchControl(control, 1);
         },
         {DIK_UP, DIK_RIGHT, DIK_SPACE}},
        {"all released", [] { ReleaseTouchControls(); }, {}},
        {"one let go after that lets go of nothing held now",
         [] { PressTouchControl(TOUCH_LEFT, 1); PressTouchControl(TOUCH_UP, 0); }, {DIK_LEFT}},
        {"a tap held over two reads",
         [] { ReleaseTouchControls(); game_state = STATE_MAIN_MENU; TapPicture(210, 205, 1); ReadKeyboard(); },
         {DIK_N}},
        {"until the finger lifts", [] { game_state = STATE_NEW_GAME_MENU; TapPicture(0, 0, 0); }, {}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        ReadKeyboard();
        EXPECT_EQ(HeldKeys(KeyState), step.held);
    }
    CloseKeyboard();
}

TEST(TouchControls, EachScreenGivesTheControlsItsKeys)
{
    const int screens[][3] = {
        {STATE_PLAYING, TOUCH_SCREEN_PLAY, DIK_SPACE},          {STATE_DYING, TOUCH_SCREEN_PLAY, DIK_SPACE},
        {STATE_START_LIFE, TOUCH_SCREEN_PLAY, DIK_SPACE},       {STATE_MAIN_MENU, TOUCH_SCREEN_MENU, DIK_RETURN},
        {STATE_GAME_OVER, TOUCH_SCREEN_MENU, DIK_RETURN},       {STATE_HIGH_SCORES, TOUCH_SCREEN_MENU, DIK_RETURN},
        {STATE_CONTROLS, TOUCH_SCREEN_MENU, DIK_RETURN},        {STATE_OPTIONS, TOUCH_SCREEN_MENU, DIK_RETURN},
        {STATE_ENTER_INITIALS, TOUCH_SCREEN_INITIALS, DIK_RETURN},
    };
    const int fixed[][2] = {{TOUCH_LEFT, DIK_LEFT}, {TOUCH_RIGHT, DIK_RIGHT}, {TOUCH_UP, DIK_UP},
                            {TOUCH_DOWN, DIK_DOWN}, {TOUCH_PAUSE, DIK_P},     {TOUCH_BACK, DIK_BACK},
                            {TOUCH_CONTROL_COUNT, 0}, {-1, 0}};
    for (const auto& [state, kind, fire] : screens) {
        game_state = state;
        EXPECT_EQ(TouchScreenKind(), kind) << state;
        EXPECT_EQ(TouchControlKey(TOUCH_FIRE), fire) << state;
        for (const auto& [control, key] : fixed) EXPECT_EQ(TouchControlKey(control), key) << state << " " << control;
    }
}

TEST(TouchControls, EachMenuEntryAndBackHintIsTappedAsItsKey)
{
    const MenuEntry& easy = NEW_GAME_ENTRIES[0];
    const int cases[][4] = {
        {STATE_MAIN_MENU, 210, 205, DIK_N},
        {STATE_MAIN_MENU, 460, 260, DIK_I},
        {STATE_MAIN_MENU, 175, 280, DIK_H},
        {STATE_MAIN_MENU, 300, 330, DIK_O},
        {STATE_MAIN_MENU, 169, 205, 0},
        {STATE_MAIN_MENU, 300, 360, 0},  // quit: a page cannot
        {STATE_NEW_GAME_MENU, easy.x, easy.y, DIK_E},
        {STATE_NEW_GAME_MENU, 400, 270, DIK_M},
        {STATE_NEW_GAME_MENU, 200, 340, DIK_D},
        {STATE_NEW_GAME_MENU, 320, BACK_HINT_Y + 5, DIK_BACK},
        {STATE_NEW_GAME_MENU, 320, 100, 0},
        {STATE_GAME_OVER, 320, BACK_HINT_Y + BACK_HINT_HEIGHT - 1, DIK_BACK},
        {STATE_GAME_FINISHED, 100, BACK_HINT_Y, DIK_BACK},
        {STATE_GAME_OVER, 320, BACK_HINT_Y - 1, 0},
        {STATE_PLAYING, 210, 205, 0},
        {STATE_INSTRUCTIONS, 320, BACK_HINT_Y + 5, 0},
    };
    for (const auto& [state, x, y, key] : cases) {
        game_state = state;
        EXPECT_EQ(TappedKey(x, y), key) << state << " at " << x << "," << y;
    }
}

TEST(TouchControls, TheQuitRowIsCoveredWhileShownAndPutBackAfter)
{
    ShowTouchControls(1);  // no picture yet: nothing to cover, nothing kept
    ASSERT_TRUE(CreateBitmapImage(&main_screen, 0, 0, 640, 480, 8));
    for (int i = 0; i < main_screen.byte_count; ++i) main_screen.buffer[i] = static_cast<unsigned char>(i * 7 % 251);
    const auto shown = [] {
        return std::vector<unsigned char>(main_screen.buffer, main_screen.buffer + main_screen.byte_count);
    };
    const std::vector<unsigned char> drawn = shown();
    ShowTouchControls(0);
    EXPECT_EQ(shown(), drawn);

    ShowTouchControls(1);
    ShowTouchControls(1);
    const int box_left = MAIN_MENU_LIST.box_left;
    const int width = MAIN_MENU_LIST.box_width - 4;
    const int top = MAIN_MENU_QUIT.y - MENU_ROW_LEAD;
    const std::vector<unsigned char> covered = shown();
    int changed = 0;
    for (std::size_t i = 0; i < drawn.size(); ++i) changed += covered[i] != drawn[i];
    EXPECT_GT(changed, width * MAIN_MENU_LIST.row_height * 9 / 10);
    EXPECT_LE(changed, width * MAIN_MENU_LIST.row_height);
    for (int y = top; y < top + MAIN_MENU_LIST.row_height; ++y) {
        // Each row takes the box's colour inside its frame, the frame kept.
        const std::size_t line = static_cast<std::size_t>(y * 640 + box_left);
        EXPECT_EQ(covered[line + 1 + static_cast<std::size_t>(width)], drawn[line + 2]) << y;
        EXPECT_EQ(covered[line + 1], drawn[line + 1]) << y;
    }
    ShowTouchControls(0);
    EXPECT_EQ(shown(), drawn);
    DestroyBitmapImage(&main_screen);
}

TEST(TouchLook, EachValueReachesThePlatformAsAPercentage)
{
    struct Case {
        const char* key;
        int value;  // -1: the default, the usual size and six tenths
        int percent;
    };
    const Case cases[] = {
        {"touch_size", 1, 60},     {"touch_size", -1, 100},    {"touch_size", 5, 140},
        {"touch_opacity", 1, 10},  {"touch_opacity", -1, 60},  {"touch_opacity", 10, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " " << c.value);
        const int index = FindSettingIndex(c.key);
        ASSERT_GE(index, 0);
        const SettingDef& setting = SettingTable()[static_cast<std::size_t>(index)];
        setting.apply(c.value < 0 ? setting.default_value : c.value);
        const bool size = setting.key == std::string("touch_size");
        EXPECT_EQ(size ? HeadlessTouchControlSize() : HeadlessTouchControlOpacity(), c.percent);
    }
}
