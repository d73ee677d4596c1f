#include <gtest/gtest.h>

#include "profile/replays.h"

TEST(ReplayName, OnlyPlainNamesInTheFolderAreReplays)
{
    const std::string valid[] = {"20240501-203015-easy.demo", "a", "A_b-9.x.y",
                                 std::string(REPLAY_NAME_MAX, 'r'), "console.demo", "com10.demo"};
    const std::string invalid[] = {
        std::string(REPLAY_NAME_MAX + 1, 'r'), "", ".", "..", "../scores.txt", "..\\scores.txt", "a/b.demo",
        "/etc/passwd", "C:x.demo", ".hidden", "trailing.", "with space.demo", std::string("nul\0.demo", 9),
        "caf\xC3\xA9.demo", "con", "NUL.demo", "Com7.txt", "lpt1"};
    Profile profile;
    profile.folder = "/profiles/p";
    for (const std::string& name : valid) {
        EXPECT_TRUE(IsReplayName(name)) << name;
        EXPECT_EQ(ReplayPath(profile, name), std::filesystem::path("/profiles/p/replays") / name);
    }
    for (const std::string& name : invalid) {
        EXPECT_FALSE(IsReplayName(name)) << name;
        EXPECT_TRUE(ReplayPath(profile, name).empty()) << name;
    }
    EXPECT_TRUE(ReplayPath(Profile{}, "a.demo").empty());
}
