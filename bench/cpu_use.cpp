// Runs the real game on SDL's dummy video and audio drivers and reports the
// CPU time it used over a window of steady running, as a share of one core.
// Start-up and the fade on the way out are left out of the window.
//
// Usage: bench_cpu_use [path/to/wavedart] [seconds]
// The game runs in the data folder beside its binary, as `make play` runs it.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

constexpr int WARM_UP_SECONDS = 1;

std::string DefaultGamePath(const char* self)
{
    std::string path = self;
    const auto slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash);
    return dir + "/../wavedart";
}

// User plus system time of a running process, in seconds.
double ProcessCpuSeconds(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // Fields after the command name, which is in parentheses.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    for (int i = 3; i <= 15; ++i) {
        fields >> field;
        if (i == 14) utime = std::stoull(field);
        if (i == 15) stime = std::stoull(field);
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

int main(int argc, char** argv)
{
    char resolved[PATH_MAX];
    const std::string given = argc > 1 ? argv[1] : DefaultGamePath(argv[0]);
    if (!realpath(given.c_str(), resolved)) {
        std::perror(given.c_str());
        return 1;
    }
    const std::string game = resolved;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
    const std::string game_dir = game.substr(0, game.rfind('/') + 1);

    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 1;
    }
    if (child == 0) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (chdir((game_dir + "data").c_str()) != 0) std::perror("chdir to the data folder");
        execl(game.c_str(), game.c_str(), static_cast<char*>(nullptr));
        std::perror("exec");
        _exit(127);
    }
    std::this_thread::sleep_for(std::chrono::seconds(WARM_UP_SECONDS));
    const double cpu_before = ProcessCpuSeconds(child);
    const auto start = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const double cpu = ProcessCpuSeconds(child) - cpu_before;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    kill(child, SIGTERM);

    int status = 0;
    waitpid(child, &status, 0);
    std::printf("over %.1f s of steady running the game used %.3f s of CPU: %.2f%% of one core\n", wall, cpu,
                100.0 * cpu / wall);
    std::printf("exit status %d\n", WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return 0;
}
