// The game installed under a fresh prefix and started from an unrelated
// folder on a virtual X display: it must find its files and run until told
// to stop. Skipped where xvfb-run is missing.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

std::string ReadLink(const fs::path& link)
{
    std::error_code ec;
    return fs::read_symlink(link, ec).string();
}

// The process running the program exe, found through /proc.
pid_t FindProcess(const std::string& exe)
{
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") == std::string::npos && ReadLink(entry.path() / "exe") == exe) {
            return static_cast<pid_t>(std::stol(name));
        }
    }
    return 0;
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A scratch folder, removed with everything in it.
struct Scratch {
    fs::path path;
    ~Scratch() { if (!path.empty()) fs::remove_all(path); }
};

}  // namespace

TEST(InstalledRun, InstalledGameFindsItsFilesFromAnotherFolder)
{
    if (std::system("command -v xvfb-run > /dev/null") != 0) GTEST_SKIP() << "xvfb-run is not installed";
    const char* built_data = std::getenv("WAVEDART_DATA_DIR");
    ASSERT_NE(built_data, nullptr);
    char pattern[] = "/tmp/wavedart_install_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const Scratch root{pattern};
    const fs::path prefix = root.path / "prefix", log = root.path / "log";
    fs::create_directories(root.path / "somewhere");
    const std::string install = "cmake --install '" + fs::path(built_data).parent_path().string() + "' --prefix '" +
                                prefix.string() + "' > '" + log.string() + "' 2>&1";
    ASSERT_EQ(std::system(install.c_str()), 0) << ReadFile(log);
    const fs::path game = prefix / "bin/wavedart", data = prefix / "share/wavedart";
    for (const fs::path& file : {game, data / "PALDATA2.PAL", data / "art/skerrit.bmp",
                                 data / "menuart/main_screen.bmp", data / "sounds/engine.wav",
                                 prefix / "share/icons/hicolor/64x64/apps/wavedart.png"}) {
        EXPECT_TRUE(fs::is_regular_file(file)) << file;
    }
    const std::string desktop = ReadFile(prefix / "share/applications/wavedart.desktop");
    EXPECT_NE(desktop.find("\nExec=wavedart\n"), std::string::npos) << desktop;
    EXPECT_NE(desktop.find("\nIcon=wavedart\n"), std::string::npos) << desktop;

    const fs::path suppressions = fs::current_path() / "lsan_suppressions.txt";
    const pid_t runner = fork();
    ASSERT_GE(runner, 0);
    if (runner == 0) {
        if (chdir((root.path / "somewhere").c_str()) != 0 || !freopen(log.c_str(), "w", stderr)) _exit(126);
        // The real SDL drivers choose for themselves; none is forced here.
        unsetenv("SDL_VIDEODRIVER");
        unsetenv("SDL_AUDIODRIVER");
        // For a sanitized build: what the desktop's libraries keep to the end
        // is not the game's leak.
        setenv("LSAN_OPTIONS", ("suppressions=" + suppressions.string()).c_str(), 1);
        setenv("WAVEDART_PROFILE", (root.path / "profile").c_str(), 1);
        execlp("xvfb-run", "xvfb-run", "-a", game.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    pid_t pid = 0;
    for (int tries = 0; tries < 200 && !pid; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        pid = FindProcess(fs::canonical(game).string());
    }
    ASSERT_NE(pid, 0) << "the game did not start\n" << ReadFile(log);
    // Start-up takes a moment; the game must then be in its data folder and
    // still running.
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EXPECT_EQ(ReadLink("/proc/" + std::to_string(pid) + "/cwd"), fs::canonical(data).string());
    EXPECT_TRUE(fs::is_directory(root.path / "profile/replays")) << "the profile was not opened";
    EXPECT_EQ(kill(pid, SIGTERM), 0) << "the game ended by itself\n" << ReadFile(log);
    int status = 0;
    pid_t ended = 0;
    for (int tries = 0; tries < 400 && !ended; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ended = waitpid(runner, &status, WNOHANG);
    }
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(runner, &status, 0);
        FAIL() << "the game did not quit within 20 seconds of SIGTERM\n" << ReadFile(log);
    }
    const std::string said = ReadFile(log);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << said;
    EXPECT_EQ(said.find("game files not found"), std::string::npos) << said;
    EXPECT_EQ(said.find("cannot start the display"), std::string::npos) << said;
}
