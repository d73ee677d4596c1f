// The touch controls' size and opacity are settings like the others: kept
// under their keys, and each value reaches the page as a percentage.
#include <gtest/gtest.h>

#include "options/settings_table.h"
#include "platform/headless/headless.h"

TEST(TouchLook, EachValueReachesThePlatformAsAPercentage)
{
    struct Case {
        const char* key;
        int value;
        int size;
        int opacity;
    };
    const Case cases[] = {
        {"touch_size", 1, 60, 0},     {"touch_size", 3, 100, 0},    {"touch_size", 5, 140, 0},
        {"touch_opacity", 1, 0, 10},  {"touch_opacity", 6, 0, 60},  {"touch_opacity", 10, 0, 100},
    };
    for (const Case& c : cases) {
        const int index = FindSettingIndex(c.key);
        ASSERT_GE(index, 0) << c.key;
        const SettingDef& setting = SettingTable()[static_cast<std::size_t>(index)];
        int parsed = 0;
        ASSERT_TRUE(ParseSettingText(setting, std::to_string(c.value), &parsed));
        setting.apply(parsed);
        if (c.size) {
            EXPECT_EQ(HeadlessTouchControlSize(), c.size) << c.value;
        } else {
            EXPECT_EQ(HeadlessTouchControlOpacity(), c.opacity) << c.value;
        }
    }
}

TEST(TouchLook, TheDefaultsAreTheUsualSizeAndSixTenths)
{
    const SettingDef& size = SettingTable()[static_cast<std::size_t>(FindSettingIndex("touch_size"))];
    const SettingDef& opacity = SettingTable()[static_cast<std::size_t>(FindSettingIndex("touch_opacity"))];
    size.apply(size.default_value);
    opacity.apply(opacity.default_value);
    EXPECT_EQ(HeadlessTouchControlSize(), 100);
    EXPECT_EQ(HeadlessTouchControlOpacity(), 60);
    int value = 0;
    EXPECT_FALSE(ParseSettingText(size, "0", &value));
    EXPECT_FALSE(ParseSettingText(opacity, "11", &value));
}
