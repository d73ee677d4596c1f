// The preference folder SDL gives the game, from XDG_DATA_HOME and HOME.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "platform/preference_folder.h"

namespace fs = std::filesystem;

TEST(PreferenceFolder, FollowsXdgDataHomeThenHome)
{
    const fs::path scratch = fs::temp_directory_path() / ("wavedart-pref-" + std::to_string(getpid()));
    const std::string xdg = (scratch / "data").string(), home = (scratch / "home").string();
    const fs::path under_home = scratch / "home/.local/share/wavedart/";
    struct Case {
        const char* xdg_data_home;  // null: unset
        const char* home;
        fs::path folder;            // empty: none
    };
    const Case cases[] = {
        {xdg.c_str(), home.c_str(), scratch / "data/wavedart/"},
        {nullptr, home.c_str(), under_home},
        // Empty or relative, XDG_DATA_HOME counts as unset.
        {"", home.c_str(), under_home},
        {"data", home.c_str(), under_home},
        {nullptr, nullptr, {}},
        {"", "", {}},
    };
    for (const Case& test : cases) {
        fs::remove_all(scratch);
        test.xdg_data_home ? setenv("XDG_DATA_HOME", test.xdg_data_home, 1) : unsetenv("XDG_DATA_HOME");
        test.home ? setenv("HOME", test.home, 1) : unsetenv("HOME");
        std::string error;
        EXPECT_EQ(PlatformPreferenceFolder(&error), test.folder) << error;
        EXPECT_EQ(error.empty(), !test.folder.empty());
        EXPECT_EQ(fs::is_directory(test.folder), !test.folder.empty());
    }
    fs::remove_all(scratch);
}
