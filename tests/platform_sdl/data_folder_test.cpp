// Finding the game's files from another working directory, in a made-up
// installation and a made-up build tree.
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/data_folder.h"

namespace {

constexpr const char* MARKER = "PALDATA2.PAL";

class DataFolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        char saved[PATH_MAX];
        ASSERT_NE(getcwd(saved, sizeof saved), nullptr);
        start_dir = saved;
        char pattern[] = "/tmp/wavedart_data_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        Make("elsewhere/");
        ASSERT_EQ(chdir((root + "/elsewhere").c_str()), 0);
    }

    void TearDown() override
    {
        ASSERT_EQ(chdir(start_dir.c_str()), 0);
        const std::string command = "rm -rf '" + root + "'";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }

    // Makes the folders of path under the root, and the file when the path
    // does not end in a slash.
    void Make(const std::string& path) const
    {
        const std::string full = root + "/" + path;
        const std::string folder = full.substr(0, full.rfind('/'));
        ASSERT_EQ(std::system(("mkdir -p '" + folder + "'").c_str()), 0);
        if (full.back() == '/') return;
        std::FILE* file = std::fopen(full.c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fclose(file);
    }

    static std::string WorkingDirectory()
    {
        char here[PATH_MAX];
        return getcwd(here, sizeof here) ? here : "";
    }

    std::string start_dir;
    std::string root;
};

}  // namespace

TEST_F(DataFolderTest, InstalledGameMovesToItsShareFolder)
{
    Make("prefix/bin/wavedart");
    Make("prefix/share/wavedart/PALDATA2.PAL");
    EXPECT_EQ(PlatformEnterDataFolder(MARKER, (root + "/prefix/bin/").c_str()), 1);
    EXPECT_EQ(WorkingDirectory(), root + "/prefix/share/wavedart");
}

TEST_F(DataFolderTest, BuiltGameMovesToTheDataFolderBesideIt)
{
    Make("build/wavedart");
    Make("build/data/PALDATA2.PAL");
    EXPECT_EQ(PlatformEnterDataFolder(MARKER, (root + "/build/").c_str()), 1);
    EXPECT_EQ(WorkingDirectory(), root + "/build/data");
}

TEST_F(DataFolderTest, FilesInTheWorkingDirectoryWin)
{
    Make("elsewhere/PALDATA2.PAL");
    Make("prefix/share/wavedart/PALDATA2.PAL");
    EXPECT_EQ(PlatformEnterDataFolder(MARKER, (root + "/prefix/bin/").c_str()), 1);
    EXPECT_EQ(WorkingDirectory(), root + "/elsewhere");
}

TEST_F(DataFolderTest, NoFolderWithTheFilesLeavesTheWorkingDirectory)
{
    Make("prefix/share/wavedart/art/");
    Make("prefix/bin/data/");
    EXPECT_EQ(PlatformEnterDataFolder(MARKER, (root + "/prefix/bin/").c_str()), 0);
    EXPECT_EQ(PlatformEnterDataFolder(MARKER, ""), 0) << "no program folder";
    EXPECT_EQ(WorkingDirectory(), root + "/elsewhere");
}

TEST_F(DataFolderTest, ProgramFolderComesFromSdlWhenNoneIsGiven)
{
    // This test program lives in the build tree, where no data folder sits
    // beside it under that name: it stays put.
    EXPECT_EQ(PlatformEnterDataFolder(MARKER, nullptr), 0);
    EXPECT_EQ(WorkingDirectory(), root + "/elsewhere");
}
