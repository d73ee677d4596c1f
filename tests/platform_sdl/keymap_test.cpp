#include <gtest/gtest.h>

#include <SDL.h>

#include <set>

#include "platform/sdl/keymap.h"

TEST(KeyMap, TheWholeStandardKeyboardMapsToDistinctCodesAndNothingElseDoes)
{
    std::set<int> codes;
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
        const int code = SdlScancodeToKeyCode(scancode);
        EXPECT_LT(code, 256);
        EXPECT_TRUE(code == 0 || codes.insert(code).second) << "code " << code << " given twice";
    }
    // Letters, digits, function keys, keypad, navigation and modifiers.
    EXPECT_GE(codes.size(), 104u);
    for (int scancode : {SDL_SCANCODE_A, SDL_SCANCODE_Z, SDL_SCANCODE_F12, SDL_SCANCODE_KP_PERIOD}) {
        EXPECT_NE(SdlScancodeToKeyCode(scancode), 0) << scancode;
    }
    for (int scancode : {-1, int(SDL_NUM_SCANCODES), int(SDL_SCANCODE_UNKNOWN)}) {
        EXPECT_EQ(SdlScancodeToKeyCode(scancode), 0) << scancode;
    }
}
