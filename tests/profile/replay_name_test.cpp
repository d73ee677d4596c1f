#include <gtest/gtest.h>

#include "profile/replays.h"

TEST(ReplayName, OnlyPlainNamesInTheFolderAreReplays)
{
    struct Case {
        std::string name;
        bool valid;
    };
    const Case cases[] = {
        {"20240501-203015-easy.demo", true},
        {"a", true},
        {"A_b-9.x.y", true},
        {std::string(REPLAY_NAME_MAX, 'r'), true},
        {std::string(REPLAY_NAME_MAX + 1, 'r'), false},
        {"", false},
        {".", false},
        {"..", false},
        {"../scores.txt", false},
        {"..\\scores.txt", false},
        {"a/b.demo", false},
        {"/etc/passwd", false},
        {"C:x.demo", false},
        {".hidden", false},
        {"trailing.", false},
        {"with space.demo", false},
        {std::string("nul\0.demo", 9), false},
        {"caf\xC3\xA9.demo", false},
        {"con", false},
        {"NUL.demo", false},
        {"Com7.txt", false},
        {"lpt1", false},
        {"console.demo", true},
        {"com10.demo", true},
    };
    Profile profile;
    profile.folder = "/profiles/p";
    for (const Case& test : cases) {
        EXPECT_EQ(IsReplayName(test.name), test.valid) << test.name;
        const std::filesystem::path path = ReplayPath(profile, test.name);
        if (test.valid) {
            EXPECT_EQ(path, std::filesystem::path("/profiles/p/replays") / test.name);
        } else {
            EXPECT_TRUE(path.empty()) << test.name;
        }
    }
    EXPECT_TRUE(ReplayPath(Profile{}, "a.demo").empty());
}
