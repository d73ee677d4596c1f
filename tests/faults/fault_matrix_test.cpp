// Every data file of the game, one at a time, removed, cut to half its length
// or overwritten with random bytes: the game starts without that piece, plays
// a demo for 2000 frames and shuts down cleanly. In the sanitizer build any
// read or write outside a buffer, and any leak, fails the case.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "app/game_state.h"
#include "app/shell.h"
#include "game/camera.h"
#include "platform/headless/headless.h"
#include "replays/demo_file.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* DATA_FILES[] = {
    "PALDATA2.PAL",      "menuart/main_screen.bmp",        "menuart/new_game_screen.bmp",
    "art/info.bmp",      "menuart/instruction_screen.bmp", "menuart/game_finish_screen.bmp",
    "art/world.bmp",     "menuart/game_over_screen.bmp",   "art/skerrit.bmp",
    "art/missle.bmp",    "art/explosion.bmp",              "art/boat.bmp",
    "art/cruiser.bmp",   "art/destroyer.bmp",              "art/helicopter.bmp",
    "art/plane.bmp",     "art/jet.bmp",                    "art/fuel.bmp",
    "art/bridge.bmp",    "sounds/engine.wav",              "sounds/fueling.wav",
    "sounds/fuel_low.wav", "sounds/missle.wav",            "sounds/explosion.wav",
};

enum Fault { INTACT, REMOVED, HALVED, RANDOM };
constexpr const char* FAULT_NAMES[] = {"intact", "removed", "halved", "random"};
constexpr unsigned RUN_FRAMES = 2000;

// play.demo starts a game on easy, flies up the river with steering and
// fire, goes back to the main menu at frame 1200 and starts again on medium.
Demo demo;

// What the run went through, seen between frames.
struct RunLog {
    unsigned frames;
    int games_started, lowest_camera_y, last_state;
} run_log;

int DemoTurn(unsigned turn)
{
    // Turn t comes after frame t and before frame t + 1.
    if (turn > 0) {
        run_log.frames = turn;
        if (game_state == STATE_PLAYING) run_log.lowest_camera_y = std::min(run_log.lowest_camera_y, camera_y);
        run_log.games_started += game_state == STATE_NEW_GAME && run_log.last_state != STATE_NEW_GAME;
        run_log.last_state = game_state;
    }
    if (turn >= RUN_FRAMES) return 1;
    HeadlessSetKeys(demo.frames[turn].data());
    return 0;
}

void Damage(const fs::path& file, Fault fault)
{
    if (fault == REMOVED) fs::remove(file);
    if (fault == HALVED) fs::resize_file(file, fs::file_size(file) / 2);
    if (fault == RANDOM) {
        // The engine's output is fixed by the standard, so the bytes are the
        // same everywhere.
        std::mt19937 random(20240);
        std::vector<char> bytes(fs::file_size(file));
        for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
        std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
    }
}

struct FaultCase {
    const char* file;
    Fault fault;
};

// Plays the demo in a copy of the generated data folder, removed afterwards.
class FaultMatrix : public testing::TestWithParam<FaultCase> {
protected:
    void SetUp() override
    {
        const char* data = std::getenv("WAVEDART_DATA_DIR");
        ASSERT_NE(data, nullptr) << "WAVEDART_DATA_DIR is not set";
        std::string error;
        ASSERT_TRUE(ReadDemo("play.demo", &demo, &error)) << error;
        ASSERT_EQ(demo.frames.size(), RUN_FRAMES);
        old_dir_ = fs::current_path();
        char name[] = "/tmp/wavedart_faults_XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir_ = name;
        fs::copy(data, dir_, fs::copy_options::recursive);
    }

    void TearDown() override
    {
        fs::current_path(old_dir_);
        if (!dir_.empty()) fs::remove_all(dir_);
    }

    fs::path old_dir_, dir_;
};

// Whatever piece is missing, the game still starts both games of the demo,
// flies up the river and shuts down with exit code 0; with every piece there
// it flies far.
TEST_P(FaultMatrix, GameGoesOnWithoutThePiece)
{
    const auto [file, fault] = GetParam();
    if (file) {
        ASSERT_TRUE(fs::is_regular_file(dir_ / file)) << file << " was not generated";
        Damage(dir_ / file, fault);
    }
    fs::current_path(dir_);
    run_log = RunLog{0, 0, CAMERA_START_Y, STATE_MAIN_MENU};
    HeadlessSetTicks(demo.start_tick);
    HeadlessSetTurnHook(DemoTurn);
    EXPECT_EQ(WinMain(), 0);
    HeadlessSetTurnHook(nullptr);
    EXPECT_EQ(run_log.frames, RUN_FRAMES);
    EXPECT_EQ(run_log.games_started, 2);
    EXPECT_EQ(difficulty, 1);
    EXPECT_LT(run_log.lowest_camera_y, CAMERA_START_Y - (file ? 0 : 500));
}

std::vector<FaultCase> AllCases()
{
    std::vector<FaultCase> cases = {{nullptr, INTACT}};
    for (const char* file : DATA_FILES) {
        for (Fault fault : {REMOVED, HALVED, RANDOM}) cases.push_back({file, fault});
    }
    return cases;
}

std::string CaseName(const testing::TestParamInfo<FaultCase>& info)
{
    std::string name = std::string(info.param.file ? info.param.file : "all") + "_" + FAULT_NAMES[info.param.fault];
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultMatrix, testing::ValuesIn(AllCases()), CaseName);

}  // namespace
