#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "app/game_state.h"

TEST(ScoreText, EightDigitsWithLeadingZeros)
{
    EXPECT_EQ(std::string(FormatScoreText(0)), "00000000");
    EXPECT_EQ(std::string(FormatScoreText(300)), "00000300");
    EXPECT_EQ(std::string(FormatScoreText(12345678)), "12345678");
}

TEST(ScoreText, LongScoresKeepTheirLastEightDigits)
{
    EXPECT_EQ(std::string(FormatScoreText(123456789)), "23456789");
    EXPECT_EQ(std::string(FormatScoreText(INT_MAX)), "47483647");
    EXPECT_EQ(std::string(FormatScoreText(INT_MIN)), "47483648");
}
