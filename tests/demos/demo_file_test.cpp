// Demo files: the exact text written, and what reading refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "input/key_codes.h"
#include "tools/demo/demo_file.h"

namespace fs = std::filesystem;

namespace {

class DemoFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  ("wavedart_demo_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Write(const std::string& text)
    {
        const std::string path = (folder_ / "test.demo").string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    std::string ReadText(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Reads text as a demo; on failure returns the error.
    std::string Refusal(const std::string& text)
    {
        Demo demo;
        std::string error;
        if (ReadDemo(Write(text), &demo, &error)) return "";
        return error;
    }

    fs::path folder_;
};

KeySnapshot Held(std::initializer_list<int> codes)
{
    KeySnapshot keys{};
    for (int code : codes) keys[code] = 0x80;
    return keys;
}

TEST_F(DemoFile, WritesHeaderTickAndOneLinePerFrame)
{
    Demo demo;
    demo.start_tick = 4294967295u;
    demo.frames = {Held({}), Held({DIK_SPACE, DIK_UP, DIK_ESCAPE}), Held({0, 255})};
    const std::string path = (folder_ / "out.demo").string();
    ASSERT_TRUE(WriteDemo(path, demo));
    EXPECT_EQ(ReadText(path), "wavedart-demo 1\nstart-tick 4294967295\n-\n1 57 200\n0 255\n");

    Demo back;
    std::string error;
    ASSERT_TRUE(ReadDemo(path, &back, &error)) << error;
    EXPECT_EQ(back.start_tick, demo.start_tick);
    EXPECT_EQ(back.frames, demo.frames);
}

TEST_F(DemoFile, ReadsBlanksRepeatsAndWindowsLineEnds)
{
    Demo demo;
    std::string error;
    ASSERT_TRUE(ReadDemo(Write("wavedart-demo 1\r\nstart-tick 7\r\n  200\t57  \r\n57 57\r\n-\r\n"), &demo, &error))
        << error;
    EXPECT_EQ(demo.start_tick, 7u);
    ASSERT_EQ(demo.frames.size(), 3u);
    EXPECT_EQ(demo.frames[0], Held({DIK_UP, DIK_SPACE}));
    EXPECT_EQ(demo.frames[1], Held({DIK_SPACE}));
    EXPECT_EQ(demo.frames[2], Held({}));
}

TEST_F(DemoFile, HeaderAloneIsAnEmptyDemo)
{
    Demo demo;
    demo.frames.push_back(Held({1}));
    std::string error;
    ASSERT_TRUE(ReadDemo(Write("wavedart-demo 1\nstart-tick 0\n"), &demo, &error)) << error;
    EXPECT_TRUE(demo.frames.empty());
}

TEST_F(DemoFile, RefusesBadHeaders)
{
    Demo demo;
    std::string error;
    EXPECT_FALSE(ReadDemo((folder_ / "missing.demo").string(), &demo, &error));
    EXPECT_NE(error.find("cannot open"), std::string::npos);

    EXPECT_NE(Refusal(""), "");
    EXPECT_NE(Refusal("wavedart-demo 2\nstart-tick 1\n-\n").find("first line"), std::string::npos);
    EXPECT_NE(Refusal("wavedart-demo 1 \nstart-tick 1\n").find("first line"), std::string::npos);
    for (const char* tick : {"", "start-tick", "start-tick x", "start-tick -1", "start-tick +1", "start-tick 1 2",
                             "start-tick 4294967296", "start-tick 99999999999", "start_tick 1", "start-tick 1.5"}) {
        EXPECT_NE(Refusal(std::string("wavedart-demo 1\n") + tick + "\n-\n").find("second line"), std::string::npos)
            << tick;
    }
}

TEST_F(DemoFile, RefusesBadFrameLinesNamingTheLine)
{
    for (const char* frame : {"", "   ", "256", "-1", "x", "5x", "0x10", "- 5", "5 -", "- -", "1,2", "+5"}) {
        const std::string error = Refusal(std::string("wavedart-demo 1\nstart-tick 1\n-\n") + frame + "\n");
        EXPECT_NE(error.find(":4:"), std::string::npos) << '"' << frame << "\" gave \"" << error << '"';
    }
}

TEST_F(DemoFile, RefusesMoreFramesThanTheLimit)
{
    std::string text = "wavedart-demo 1\nstart-tick 1\n";
    text.reserve(text.size() + 2 * (DEMO_MAX_FRAMES + 1));
    for (std::size_t i = 0; i < DEMO_MAX_FRAMES; ++i) text += "-\n";
    Demo demo;
    std::string error;
    const std::string path = Write(text);
    ASSERT_TRUE(ReadDemo(path, &demo, &error)) << error;
    EXPECT_EQ(demo.frames.size(), DEMO_MAX_FRAMES);

    std::ofstream(path, std::ios::app) << "-\n";
    EXPECT_FALSE(ReadDemo(path, &demo, &error));
    EXPECT_NE(error.find("more than"), std::string::npos);
}

}  // namespace
