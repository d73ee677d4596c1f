#include <gtest/gtest.h>

#include <SDL.h>

#include <set>

#include "platform/sdl/keymap.h"

TEST(KeyMap, TheWholeStandardKeyboardMapsToDistinctCodes)
{
    std::set<int> codes;
    int mapped = 0;
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
        const int code = SdlScancodeToKeyCode(scancode);
        if (!code) continue;
        mapped += 1;
        EXPECT_TRUE(codes.insert(code).second) << "code " << code << " given twice";
        EXPECT_LT(code, 256);
    }
    // Letters, digits, function keys, keypad, navigation and modifiers.
    EXPECT_GE(mapped, 104);
    for (int scancode = SDL_SCANCODE_A; scancode <= SDL_SCANCODE_Z; ++scancode) {
        EXPECT_NE(SdlScancodeToKeyCode(scancode), 0);
    }
    for (int scancode = SDL_SCANCODE_F1; scancode <= SDL_SCANCODE_F12; ++scancode) {
        EXPECT_NE(SdlScancodeToKeyCode(scancode), 0);
    }
    for (int scancode = SDL_SCANCODE_KP_DIVIDE; scancode <= SDL_SCANCODE_KP_PERIOD; ++scancode) {
        EXPECT_NE(SdlScancodeToKeyCode(scancode), 0);
    }
}

TEST(KeyMap, ScancodesOutsideTheTableMapToNothing)
{
    EXPECT_EQ(SdlScancodeToKeyCode(-1), 0);
    EXPECT_EQ(SdlScancodeToKeyCode(SDL_NUM_SCANCODES), 0);
    EXPECT_EQ(SdlScancodeToKeyCode(SDL_SCANCODE_UNKNOWN), 0);
}
