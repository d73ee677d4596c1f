// Finding the game's files from another working directory, in a made-up
// installation and a made-up build tree.
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/data_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* MARKER = "PALDATA2.PAL";

// A scratch folder holding the given files (folders where a path ends in a
// slash), entered at its "elsewhere" folder; the old directory comes back
// when it goes.
struct Scratch {
    explicit Scratch(const std::vector<const char*>& paths)
    {
        char pattern[] = "/tmp/wavedart_data_XXXXXX";
        root = mkdtemp(pattern);
        for (const char* path : paths) {
            const fs::path full = root / path;
            fs::create_directories(full.parent_path());
            if (full.filename() != "") std::ofstream{full};
        }
        fs::create_directories(root / "elsewhere");
        fs::current_path(root / "elsewhere");
    }
    ~Scratch()
    {
        fs::current_path(start);
        fs::remove_all(root);
    }
    fs::path start = fs::current_path();
    fs::path root;
};

}  // namespace

TEST(DataFolder, MovesToTheFirstFolderWithTheFilesOrStaysPut)
{
    struct Case {
        const char* what;
        std::vector<const char*> made;
        const char* program_folder;
        int entered;
        const char* ends_in;
    };
    const Case cases[] = {
        {"installed", {"prefix/bin/wavedart", "prefix/share/wavedart/PALDATA2.PAL"}, "prefix/bin/", 1,
         "prefix/share/wavedart"},
        {"built", {"build/wavedart", "build/data/PALDATA2.PAL"}, "build/", 1, "build/data"},
        {"working directory first",
         {"elsewhere/PALDATA2.PAL", "prefix/share/wavedart/PALDATA2.PAL"}, "prefix/bin/", 1,
         "elsewhere"},
        {"folders without the files", {"prefix/share/wavedart/art/", "prefix/bin/data/"},
         "prefix/bin/", 0, "elsewhere"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Scratch scratch(c.made);
        const std::string program_folder = (scratch.root / c.program_folder).string();
        EXPECT_EQ(PlatformEnterDataFolder(MARKER, program_folder.c_str()), c.entered);
        EXPECT_EQ(fs::current_path(), scratch.root / c.ends_in);
    }
    const Scratch scratch({});
    EXPECT_EQ(PlatformEnterDataFolder(MARKER, ""), 0) << "no program folder";
    // With none given, the folder is SDL's: this test program's, in the
    // build tree, where no data folder of that name sits beside it.
    EXPECT_EQ(PlatformEnterDataFolder(MARKER, nullptr), 0);
    EXPECT_EQ(fs::current_path(), scratch.root / "elsewhere");
}
