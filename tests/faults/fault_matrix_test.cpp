// Every data file of the game, one at a time, removed, cut to half its length
// or overwritten with random bytes: the game starts without that piece, plays
// a demo for 2000 frames and shuts down cleanly. In the sanitizer build any
// read or write outside a buffer, and any leak, fails the case.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <cstdint>
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
    "PALDATA2.PAL",
    "menuart/main_screen.bmp",
    "menuart/new_game_screen.bmp",
    "menuart/instruction_screen.bmp",
    "menuart/game_finish_screen.bmp",
    "menuart/game_over_screen.bmp",
    "art/info.bmp",
    "art/world.bmp",
    "art/skerrit.bmp",
    "art/missle.bmp",
    "art/explosion.bmp",
    "art/boat.bmp",
    "art/cruiser.bmp",
    "art/destroyer.bmp",
    "art/helicopter.bmp",
    "art/plane.bmp",
    "art/jet.bmp",
    "art/fuel.bmp",
    "art/bridge.bmp",
    "sounds/engine.wav",
    "sounds/fueling.wav",
    "sounds/fuel_low.wav",
    "sounds/missle.wav",
    "sounds/explosion.wav",
};

enum Fault { FAULT_REMOVED, FAULT_HALVED, FAULT_RANDOM };

constexpr const char* FAULT_NAMES[] = {"removed", "halved", "random"};
constexpr unsigned RUN_FRAMES = 2000;
constexpr uint32_t RANDOM_SEED = 20240;

// Starts a game on easy, flies up the river with steering and fire, goes
// back to the main menu at frame 1200 and starts again on medium.
constexpr const char* DEMO_FILE = "play.demo";

// What the run went through, seen between frames.
struct RunLog {
    unsigned frames;
    unsigned playing_frames;
    int games_started;
    int deaths;
    int lowest_camera_y;
    int best_score;
    int last_state;
};

Demo demo;
RunLog run_log;

int DemoTurn(unsigned turn)
{
    // Turn t comes after frame t and before frame t + 1.
    if (turn > 0) {
        run_log.frames = turn;
        if (game_state == STATE_PLAYING) {
            run_log.playing_frames += 1;
            if (camera_y < run_log.lowest_camera_y) run_log.lowest_camera_y = camera_y;
        }
        if (game_state != run_log.last_state) {
            run_log.games_started += game_state == STATE_NEW_GAME;
            run_log.deaths += game_state == STATE_DYING;
        }
        if (score > run_log.best_score) run_log.best_score = score;
        run_log.last_state = game_state;
    }
    if (turn >= RUN_FRAMES) return 1;
    if (turn < demo.frames.size()) {
        HeadlessSetKeys(demo.frames[turn].data());
    } else {
        HeadlessReleaseAllKeys();
    }
    return 0;
}

void Damage(const fs::path& file, Fault fault)
{
    switch (fault) {
    case FAULT_REMOVED:
        fs::remove(file);
        break;
    case FAULT_HALVED:
        fs::resize_file(file, fs::file_size(file) / 2);
        break;
    case FAULT_RANDOM: {
        // The engine's output is fixed by the standard, so the bytes are the
        // same everywhere.
        std::mt19937 random(RANDOM_SEED);
        std::vector<char> bytes(fs::file_size(file));
        for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
        std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
        break;
    }
    }
}

// A copy of the generated data folder to damage, removed afterwards.
class FaultRun : public testing::Test {
protected:
    void SetUp() override
    {
        const char* data = std::getenv("WAVEDART_DATA_DIR");
        ASSERT_NE(data, nullptr) << "WAVEDART_DATA_DIR is not set";
        for (const char* name : DATA_FILES) {
            ASSERT_TRUE(fs::is_regular_file(fs::path(data) / name)) << name << " was not generated";
        }
        std::string error;
        ASSERT_TRUE(ReadDemo(DEMO_FILE, &demo, &error)) << error;
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

    // Plays the demo in the copy, with the named file damaged; the game's
    // exit code.
    int Run(const char* name = nullptr, Fault fault = FAULT_REMOVED)
    {
        if (name) Damage(dir_ / name, fault);
        fs::current_path(dir_);
        run_log = RunLog{0, 0, 0, 0, CAMERA_START_Y, 0, STATE_MAIN_MENU};
        HeadlessSetTicks(demo.start_tick);
        HeadlessSetTurnHook(DemoTurn);
        const int code = WinMain();
        HeadlessSetTurnHook(nullptr);
        return code;
    }

private:
    fs::path old_dir_;
    fs::path dir_;
};

// With every file in place the demo really plays: it flies up the river,
// shoots, crashes and starts two games.
TEST_F(FaultRun, IntactDataPlaysTheDemo)
{
    ASSERT_EQ(Run(), 0);
    EXPECT_EQ(run_log.frames, RUN_FRAMES);
    EXPECT_EQ(run_log.games_started, 2);
    EXPECT_GT(run_log.playing_frames, RUN_FRAMES / 4);
    EXPECT_LT(run_log.lowest_camera_y, CAMERA_START_Y - 500);
    EXPECT_GT(run_log.best_score, 0);
    EXPECT_GE(run_log.deaths, 2);
    EXPECT_EQ(difficulty, 1);
}

struct FaultCase {
    const char* file;
    Fault fault;
};

class FaultMatrix : public FaultRun, public testing::WithParamInterface<FaultCase> {};

// Whatever piece is missing, the game still starts both games of the demo,
// flies up the river and shuts down with exit code 0.
TEST_P(FaultMatrix, GameGoesOnWithoutThePiece)
{
    ASSERT_EQ(Run(GetParam().file, GetParam().fault), 0);
    EXPECT_EQ(run_log.frames, RUN_FRAMES);
    EXPECT_EQ(run_log.games_started, 2);
    EXPECT_LT(run_log.lowest_camera_y, CAMERA_START_Y);
    EXPECT_EQ(difficulty, 1);
}

std::vector<FaultCase> AllCases()
{
    std::vector<FaultCase> cases;
    for (const char* file : DATA_FILES) {
        for (Fault fault : {FAULT_REMOVED, FAULT_HALVED, FAULT_RANDOM}) cases.push_back({file, fault});
    }
    return cases;
}

std::string CaseName(const testing::TestParamInfo<FaultCase>& info)
{
    std::string name = std::string(info.param.file) + "_" + FAULT_NAMES[info.param.fault];
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultMatrix, testing::ValuesIn(AllCases()), CaseName);

}  // namespace
