// Demo files: the exact text written, and what reading accepts and refuses,
// in both versions.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "input/key_codes.h"
#include "replays/demo_file.h"

namespace {

// One file a test and process, as the tests, and other builds' runs of
// them, may run side by side.
std::string Path()
{
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    return (std::filesystem::temp_directory_path() / ("wavedart_" + name + "_" + std::to_string(getpid()) + ".demo"))
        .string();
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
    const bool read = ReadDemo(Path(), demo, &error);
    std::filesystem::remove(Path());
    return read ? "" : error;
}

// A game's replay as the game writes it, up to its "frames" line.
std::string GameHead(const std::string& extra = "")
{
    std::string random = "random 3 0";
    for (int i = 0; i < 31; ++i) random += " " + std::to_string(4294967295u - static_cast<unsigned>(i));
    return "wavedart-demo 2\nstart game\ndifficulty hard\ndeath-frames 13\nfuel-blink 255\n" + random + "\n" + extra +
           "result level 3 score 2147483647 ships -1 frames 2 finished no\n";
}

TEST(DemoFile, BothVersionsAreWrittenExactlyAndReadBackWhole)
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
    EXPECT_TRUE(back.version == 1 && back.start_tick == demo.start_tick && back.frames == demo.frames);
    // Blanks, repeated keys and Windows line ends.
    ASSERT_EQ(Read("wavedart-demo 1\r\nstart-tick 7\r\n  200\t57  \r\n57 57\r\n-\r\n", &back), "");
    EXPECT_EQ(back.start_tick, 7u);
    EXPECT_EQ(back.frames, (std::vector<KeySnapshot>{Held({DIK_UP, DIK_SPACE}), Held({DIK_SPACE}), Held({})}));

    demo.version = 2;
    demo.start = DemoStart::NEW_GAME;
    demo.difficulty = 1;
    demo.death_frames = 5;
    demo.fuel_blink = 45;
    std::string random = "random 1 29";
    for (int i = 0; i < 31; ++i) {
        demo.random.words[i] = static_cast<uint32_t>(i * 1000);
        random += " " + std::to_string(i * 1000);
    }
    demo.random.front = 1;
    demo.random.rear = 29;
    demo.has_result = true;
    demo.result = DemoResult{10, 80700, 3, 3, true};
    demo.frames = {Held({}), Held({DIK_UP, DIK_SPACE}), Held({DIK_BACK})};
    demo.jumps = {DemoJump{0, 6}, DemoJump{2, 0}};
    const std::string expected = "wavedart-demo 2\nstart game\ndifficulty medium\ndeath-frames 5\nfuel-blink 45\n" +
                                 random +
                                 "\nresult level 10 score 80700 ships 3 frames 3 finished yes\nframes 3\n"
                                 "state 6\n-\n57 200\nstate 0\n14\nend\n";
    EXPECT_EQ(FormatDemo(demo), expected);
    ASSERT_EQ(Read(expected, &back), "");
    EXPECT_EQ(FormatDemo(back), expected);
    demo.start = DemoStart::START_UP;
    demo.has_result = false;
    ASSERT_EQ(Read(FormatDemo(demo), &back), "");
    EXPECT_TRUE(back.start == DemoStart::START_UP && !back.has_result);
}

TEST(DemoFile, ANewerGamesLinesAreSkippedAndWhatFollowsTheEndIsLeft)
{
    const std::string text = GameHead("# a comment\n\nsync-every 300\nfuture-thing a b c\r\n") +
                             "frames 2\ncheck 0 12345\nstate 5\nstate 9\n200\r\nhash 99\n57\nstate 0\nend\n"
                             "anything at all\n\x01\x02";
    Demo demo;
    ASSERT_EQ(Read(text, &demo), "");
    EXPECT_EQ(FormatDemo(demo), GameHead() + "frames 2\nstate 9\n200\n57\nend\n");
    // Two lines before one frame: the last says where it starts; one after
    // the last frame leads nowhere, and is not kept.
    EXPECT_EQ(demo.jumps, (std::vector<DemoJump>{DemoJump{0, 9}}));
}

TEST(DemoFile, RefusesInOneLineWhatIsNotADemoOrNamesANewerVersion)
{
    const std::string head = GameHead();
    const std::string v1 = "wavedart-demo 1\nstart-tick 1\n-\n";
    std::string places_apart = "random 4 0";
    for (int i = 0; i < 31; ++i) places_apart += " 1";
    std::string too_long = "wavedart-demo 1\nstart-tick 1\n";
    for (std::size_t i = 0; i < DEMO_MAX_FRAMES; ++i) too_long += "-\n";
    Demo demo;
    ASSERT_EQ(Read(too_long, &demo), "");
    EXPECT_EQ(demo.frames.size(), DEMO_MAX_FRAMES);
    const std::pair<std::string, const char*> cases[] = {
        {"", "is empty"},
        {"wavedart-demo 01\nstart-tick 1\n-\n", "first line"},
        {"wavedart 1\nstart-tick 1\n-\n", "first line"},
        {"wavedart-demo 1\nstart-tick -1\n-\n", "second line"},
        {"wavedart-demo 1\nstart-tick 4294967296\n-\n", "second line"},
        {"wavedart-demo 1\nstart-tick 1 2\n-\n", "second line"},
        {v1 + "256\n", ":4:"},
        {v1 + "5x\n", ":4:"},
        {v1 + "- 5\n", ":4:"},
        {v1 + "1,2\n", ":4:"},
        {too_long + "-\n", "more than"},
        {"wavedart-demo 3\nstart game\n", "version 3, from a newer game"},
        {"wavedart-demo 4294967295\n", "version 4294967295"},
        {"wavedart-demo 2\n", "cut short before"},
        {"wavedart-demo 2\nstart game\nframes 0\nend\n", "no \"random\""},
        {"wavedart-demo 2\n" + head.substr(head.find("difficulty")) + "frames 0\nend\n", "where it starts"},
        {head + "frames 3\n-\n-\nend\n", "cut short: 2 of its 3"},
        {head + "frames 2\n-\n-\n", "no \"end\""},
        {head + "frames 1\n-\n-\nend\n", ":10: a key line past the 1"},
        {head + "frames 1\nstate 13\n-\nend\n", ":9: not \"state N\""},
        {head + "frames 1\n256\nend\n", ":9: not \"-\""},
        {head + "frames 262145\n", ":8: not \"frames N\""},
        {head + "7 frames\n", ":8: not a line"},
        {GameHead("difficulty impossible\n"), ":7: a \"difficulty\""},
        {GameHead("death-frames 14\n"), ":7: a \"death-frames\""},
        {GameHead("fuel-blink 256\n"), ":7: a \"fuel-blink\""},
        {GameHead("start later\n"), ":7: a \"start\""},
        {GameHead("random 3 0 1 2 3\n"), ":7: a \"random\""},
        {GameHead(places_apart + "\n"), ":7: a \"random\""},
        {GameHead("result level 11 score 0 ships 0 frames 0 finished no\n"), ":7: a \"result\""},
        {GameHead("result level 1 score 0 ships -2 frames 0 finished no\n"), ":7: a \"result\""},
        {GameHead("result level 1 score 0 ships 0 frames 0 finished maybe\n"), ":7: a \"result\""},
    };
    for (const auto& [text, says] : cases) {
        const std::string error = Read(text, &demo);
        EXPECT_NE(error.find(says), std::string::npos) << text << "\n gave: " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        EXPECT_EQ(error.rfind(Path(), 0), 0u) << error;
    }
}

}  // namespace
