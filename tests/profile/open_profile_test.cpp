#include <gtest/gtest.h>
#include <stdlib.h>

#include "profile/scores.h"
#include "tests/profile/profile_fixture.h"

namespace fs = std::filesystem;

TEST(OpenProfile, TheGivenFolderThenTheVariableThenThePlatform)
{
    ScratchFolder scratch;
    const fs::path given = scratch.path / "given" / "nested", variable = scratch.path / "variable";
    WriteText(scratch.path / "file", "x");
    struct Case {
        fs::path given;
        const char* variable;  // null: unset
        fs::path folder;       // empty: none
        bool can_write;
        const char* said;      // a shell pattern
    };
    const Case cases[] = {
        {given, variable.c_str(), given, true, ""},
        {{}, variable.c_str(), variable, true, ""},
        {{}, "", {}, false, "wavedart: no folder for the player's files (the headless backend keeps no "
                            "player's files); scores will not be kept\n"},
        {scratch.path / "file/profile", nullptr, {}, false,
         "wavedart: cannot make the folder */file/profile (Not a directory); scores will not be kept\n"},
        // Even root cannot make files there.
        {"/proc/1", nullptr, "/proc/1", false,
         "wavedart: cannot write in /proc/1 (?*); scores will not be kept\n"},
    };
    for (const Case& test : cases) {
        test.variable ? setenv(PROFILE_ENV, test.variable, 1) : unsetenv(PROFILE_ENV);
        Profile profile;
        const std::string said = Said([&] { OpenProfile(test.given, &profile); });
        EXPECT_TRUE(Matches(said, test.said)) << said;
        EXPECT_EQ(profile.folder, test.folder);
        EXPECT_EQ(profile.can_write, test.can_write) << said;
        EXPECT_EQ(fs::is_directory(test.folder / "replays"), test.can_write) << said;
        // A profile that cannot be written keeps nothing, quietly after that line.
        const ScoreEntry entry = {"ABC", 9, 1, false, "2024-05-01", ""};
        EXPECT_EQ(Said([&] { EXPECT_EQ(AddScore(profile, 0, entry).saved, test.can_write); }), "");
        CloseProfile(&profile);
    }
}
