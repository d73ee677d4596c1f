// Demo files: the exact text written, and what reading accepts and refuses.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "input/key_codes.h"
#include "tools/demo/demo_file.h"

namespace {

// One file a test and process, as the tests, and other builds' runs of
// them, may run side by side.
std::string Path()
{
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::string file = "wavedart_" + name + "_" + std::to_string(getpid()) + ".demo";
    return (std::filesystem::temp_directory_path() / file).string();
}

KeySnapshot Held(std::initializer_list<int> codes)
{
    KeySnapshot keys{};
    for (int code : codes) keys[code] = 0x80;
    return keys;
}

// Reads text as a demo: the error, or "" when it was read.
std::string Read(const std::string& text, Demo* demo)
{
    std::ofstream(Path(), std::ios::binary) << text;
    std::string error;
    return ReadDemo(Path(), demo, &error) ? "" : error;
}

TEST(DemoFile, WritesOneLinePerFrameAndReadsItBackWithBlanksRepeatsAndWindowsLineEnds)
{
    Demo demo;
    demo.start_tick = 4294967295u;
    demo.frames = {Held({}), Held({DIK_SPACE, DIK_UP, DIK_ESCAPE}), Held({0, 255})};
    ASSERT_TRUE(WriteDemo(Path(), demo));
    std::ifstream in(Path(), std::ios::binary);
    const std::string written(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(written, "wavedart-demo 1\nstart-tick 4294967295\n-\n1 57 200\n0 255\n");
    Demo back;
    ASSERT_EQ(Read(written, &back), "");
    EXPECT_EQ(back.start_tick, demo.start_tick);
    EXPECT_EQ(back.frames, demo.frames);
    ASSERT_EQ(Read("wavedart-demo 1\r\nstart-tick 7\r\n  200\t57  \r\n57 57\r\n-\r\n", &back), "");
    EXPECT_EQ(back.start_tick, 7u);
    EXPECT_EQ(back.frames, (std::vector<KeySnapshot>{Held({DIK_UP, DIK_SPACE}), Held({DIK_SPACE}), Held({})}));
    ASSERT_EQ(Read("wavedart-demo 1\nstart-tick 0\n", &back), "");
    EXPECT_TRUE(back.frames.empty());
    std::filesystem::remove(Path());
}

TEST(DemoFile, RefusesBadHeadersBadFrameLinesAndTooManyFrames)
{
    Demo demo;
    EXPECT_NE(Read("", &demo), "");
    EXPECT_NE(Read("wavedart-demo 2\nstart-tick 1\n-\n", &demo).find("first line"), std::string::npos);
    EXPECT_NE(Read("wavedart-demo 1 \nstart-tick 1\n-\n", &demo).find("first line"), std::string::npos);
    for (const char* tick : {"", "start-tick", "start-tick x", "start-tick -1", "start-tick +1", "start-tick 1 2",
                             "start-tick 4294967296", "start-tick 99999999999", "start_tick 1", "start-tick 1.5"}) {
        EXPECT_NE(Read(std::string("wavedart-demo 1\n") + tick + "\n-\n", &demo).find("second line"),
                  std::string::npos)
            << tick;
    }
    for (const char* frame : {"", "   ", "256", "-1", "x", "5x", "0x10", "- 5", "5 -", "- -", "1,2", "+5"}) {
        EXPECT_NE(Read(std::string("wavedart-demo 1\nstart-tick 1\n-\n") + frame + "\n", &demo).find(":4:"),
                  std::string::npos)
            << '"' << frame << '"';
    }
    std::string text = "wavedart-demo 1\nstart-tick 1\n";
    for (std::size_t i = 0; i < DEMO_MAX_FRAMES; ++i) text += "-\n";
    ASSERT_EQ(Read(text, &demo), "");
    EXPECT_EQ(demo.frames.size(), DEMO_MAX_FRAMES);
    EXPECT_NE(Read(text + "-\n", &demo).find("more than"), std::string::npos);
    std::filesystem::remove(Path());
}

}  // namespace
