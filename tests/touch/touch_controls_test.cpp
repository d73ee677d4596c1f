// The touch controls as keys: which key each control and tap presses on
// each screen, a tap between two frames still counting, no key left held,
// and the main menu's quit row covered while the controls are shown.
#include <gtest/gtest.h>

#include <vector>

#include "app/extensions.h"
#include "app/game_state.h"
#include "app/menu_entries.h"
#include "app/menu_screens.h"
#include "graphics/bitmap.h"
#include "input/keyboard.h"
#include "input/touch_keys.h"
#include "platform/headless/headless.h"
#include "touch/touch_controls.h"

namespace {

int HeldCount()
{
    int held = 0;
    for (unsigned char key : KeyState) held += key != 0;
    return held;
}

class TouchControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenInput();
        ASSERT_TRUE(OpenKeyboard());
    }
    void TearDown() override { CloseKeyboard(); }
};

}  // namespace

TEST_F(TouchControls, ATapBetweenTwoReadsCountsInTheNextOnly)
{
    TouchKey(DIK_N, 1);
    TouchKey(DIK_N, 0);
    ReadKeyboard();
    EXPECT_EQ(KeyState[DIK_N], 0x80);
    EXPECT_EQ(HeldCount(), 1);
    ReadKeyboard();
    EXPECT_EQ(HeldCount(), 0);
}

TEST_F(TouchControls, AHeldKeyJoinsTheKeyboardsUntilLetGo)
{
    const int space = DIK_SPACE;
    HeadlessHoldKeys(&space, 1);
    TouchKey(DIK_LEFT, 1);
    for (int frame = 0; frame < 3; ++frame) {
        ReadKeyboard();
        EXPECT_EQ(KeyState[DIK_LEFT], 0x80);
        EXPECT_EQ(KeyState[DIK_SPACE], 0x80);
    }
    DeviceInput devices{};
    ReadDevices(&devices);
    EXPECT_EQ(devices.keys[DIK_LEFT], 0x80);
    TouchKey(DIK_LEFT, 0);
    ReadKeyboard();
    EXPECT_EQ(KeyState[DIK_LEFT], 0);
    EXPECT_EQ(HeldCount(), 1);
}

TEST_F(TouchControls, KeysOutsideTheTableAreRefused)
{
    TouchKey(0, 1);
    TouchKey(256, 1);
    TouchKey(-3, 1);
    ReadKeyboard();
    EXPECT_EQ(HeldCount(), 0);
}

TEST_F(TouchControls, EachScreenGivesTheControlsItsKeys)
{
    struct Case {
        int state;
        int control;
        int key;
    };
    const Case cases[] = {
        {STATE_PLAYING, TOUCH_FIRE, DIK_SPACE},          {STATE_DYING, TOUCH_FIRE, DIK_SPACE},
        {STATE_PLAYING, TOUCH_LEFT, DIK_LEFT},           {STATE_PLAYING, TOUCH_RIGHT, DIK_RIGHT},
        {STATE_PLAYING, TOUCH_UP, DIK_UP},               {STATE_PLAYING, TOUCH_DOWN, DIK_DOWN},
        {STATE_PLAYING, TOUCH_PAUSE, DIK_P},             {STATE_PLAYING, TOUCH_BACK, DIK_BACK},
        {STATE_ENTER_INITIALS, TOUCH_FIRE, DIK_RETURN},  {STATE_HIGH_SCORES, TOUCH_FIRE, DIK_RETURN},
        {STATE_MAIN_MENU, TOUCH_FIRE, DIK_RETURN},       {STATE_OPTIONS, TOUCH_BACK, DIK_BACK},
        {STATE_PLAYING, TOUCH_CONTROL_COUNT, 0},         {STATE_PLAYING, -1, 0},
    };
    for (const Case& c : cases) {
        game_state = c.state;
        EXPECT_EQ(TouchControlKey(c.control), c.key) << c.state << " " << c.control;
    }
}

TEST_F(TouchControls, AControlIsLetGoAsTheKeyItWentDownAs)
{
    game_state = STATE_PLAYING;
    PressTouchControl(TOUCH_FIRE, 1);
    ReadKeyboard();
    EXPECT_EQ(KeyState[DIK_SPACE], 0x80);
    game_state = STATE_GAME_OVER;
    PressTouchControl(TOUCH_FIRE, 0);
    ReadKeyboard();
    EXPECT_EQ(HeldCount(), 0);
}

TEST_F(TouchControls, ReleasingAllLeavesNothingHeld)
{
    game_state = STATE_PLAYING;
    PressTouchControl(TOUCH_UP, 1);
    PressTouchControl(TOUCH_RIGHT, 1);
    PressTouchControl(TOUCH_FIRE, 1);
    ReadKeyboard();
    EXPECT_EQ(HeldCount(), 3);
    ReleaseTouchControls();
    ReadKeyboard();
    EXPECT_EQ(HeldCount(), 0);
    // A control let go afterwards lets go of nothing the player holds now.
    PressTouchControl(TOUCH_LEFT, 1);
    PressTouchControl(TOUCH_UP, 0);
    ReadKeyboard();
    EXPECT_EQ(KeyState[DIK_LEFT], 0x80);
    EXPECT_EQ(HeldCount(), 1);
}

TEST(TouchTaps, EachMenuEntryAndBackHintPressesItsKey)
{
    struct Case {
        int state;
        int x;
        int y;
        int key;
    };
    const MenuEntry& easy = NEW_GAME_ENTRIES[0];
    const Case cases[] = {
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
    for (const Case& c : cases) {
        game_state = c.state;
        EXPECT_EQ(TappedKey(c.x, c.y), c.key) << c.state << " at " << c.x << "," << c.y;
    }
}

TEST_F(TouchControls, ATapHoldsItsKeyUntilTheFingerLifts)
{
    game_state = STATE_MAIN_MENU;
    TapPicture(210, 205, 1);
    ReadKeyboard();
    ReadKeyboard();
    EXPECT_EQ(KeyState[DIK_N], 0x80);
    game_state = STATE_NEW_GAME_MENU;
    TapPicture(0, 0, 0);
    ReadKeyboard();
    EXPECT_EQ(HeldCount(), 0);
}

TEST(TouchQuitRow, CoveredWhileShownAndPutBackAfter)
{
    ASSERT_TRUE(CreateBitmapImage(&main_screen, 0, 0, 640, 480, 8));
    for (int i = 0; i < main_screen.byte_count; ++i) main_screen.buffer[i] = static_cast<unsigned char>(i * 7 % 251);
    const std::vector<unsigned char> drawn(main_screen.buffer, main_screen.buffer + main_screen.byte_count);
    const int box_left = MAIN_MENU_LIST.box_left;
    const int top = MAIN_MENU_QUIT.y - MENU_ROW_LEAD;
    const auto at = [](int x, int y) { return main_screen.buffer[y * 640 + x]; };

    ShowTouchControls(1);
    ShowTouchControls(1);
    int changed = 0;
    for (int i = 0; i < main_screen.byte_count; ++i) changed += main_screen.buffer[i] != drawn[static_cast<std::size_t>(i)];
    const int width = MAIN_MENU_LIST.box_width - 4;
    EXPECT_GT(changed, width * MAIN_MENU_LIST.row_height * 9 / 10);
    EXPECT_LE(changed, width * MAIN_MENU_LIST.row_height);
    for (int y = top; y < top + MAIN_MENU_LIST.row_height; ++y) {
        // Each row takes the box's colour inside its frame, the frame kept.
        EXPECT_EQ(at(box_left + 2 + width - 1, y), drawn[static_cast<std::size_t>(y * 640 + box_left + 2)]) << y;
        EXPECT_EQ(at(box_left + 1, y), drawn[static_cast<std::size_t>(y * 640 + box_left + 1)]) << y;
    }
    EXPECT_EQ(at(MAIN_MENU_QUIT.x, top - 1), drawn[static_cast<std::size_t>((top - 1) * 640 + MAIN_MENU_QUIT.x)]);

    ShowTouchControls(0);
    EXPECT_TRUE(std::equal(drawn.begin(), drawn.end(), main_screen.buffer));
    DestroyBitmapImage(&main_screen);
}

TEST(TouchQuitRow, NoPictureNoChange)
{
    ShowTouchControls(1);
    ASSERT_TRUE(CreateBitmapImage(&main_screen, 0, 0, 640, 480, 8));
    ShowTouchControls(0);
    for (int i = 0; i < main_screen.byte_count; ++i) ASSERT_EQ(main_screen.buffer[i], 0) << i;
    DestroyBitmapImage(&main_screen);
}

TEST(TouchScreens, TheInitialsAndPlayAreToldApartFromMenus)
{
    const int cases[][2] = {{STATE_PLAYING, TOUCH_SCREEN_PLAY},      {STATE_START_LIFE, TOUCH_SCREEN_PLAY},
                            {STATE_MAIN_MENU, TOUCH_SCREEN_MENU},    {STATE_GAME_OVER, TOUCH_SCREEN_MENU},
                            {STATE_HIGH_SCORES, TOUCH_SCREEN_MENU},  {STATE_CONTROLS, TOUCH_SCREEN_MENU},
                            {STATE_ENTER_INITIALS, TOUCH_SCREEN_INITIALS}};
    for (const auto& c : cases) {
        game_state = c[0];
        EXPECT_EQ(TouchScreenKind(), c[1]) << c[0];
    }
}
