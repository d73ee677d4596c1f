// The touch controls' size and opacity are settings like the others, and
// each value reaches the page as a percentage.
#include <gtest/gtest.h>

#include "options/settings_table.h"
#include "platform/headless/headless.h"

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
