// Drawing the high-score screens' words and marks over their pictures, on
// the back surface once the picture is in it.
#pragma once

#include <cstdint>

constexpr uint32_t TEXT_WHITE = 0xFFFFFF;
constexpr uint32_t TEXT_GOLD = 0x68D6FC;
constexpr uint32_t TEXT_ALERT = 0x5050FF;
constexpr int TEXT_CHAR_WIDTH = 8;
constexpr int TEXT_CHAR_HEIGHT = 16;

// The difficulties as the screens name them.
constexpr const char* DIFFICULTY_WORDS[] = {"EASY", "MEDIUM", "HARD"};

void DrawTextCentred(const char* text, int centre_x, int y, uint32_t colour);
void DrawTextRight(const char* text, int right_x, int y, uint32_t colour);
// Fills the rectangle (right and bottom exclusive) with a palette index.
void FillMark(int left, int top, int right, int bottom, int index);
