// Runs the real game for a while on SDL's dummy video and audio drivers and
// reports the CPU time it used as a share of one core.
//
// Usage: bench_cpu_use [path/to/wavedart] [seconds]
// The game runs in the data folder beside its binary, as `make play` runs it.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

double Seconds(const timeval& t)
{
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

std::string DefaultGamePath(const char* self)
{
    std::string path = self;
    const auto slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash);
    return dir + "/../wavedart";
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

    const auto start = std::chrono::steady_clock::now();
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
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    kill(child, SIGTERM);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    std::printf("game ran %.1f s of wall time and used %.3f s of CPU: %.2f%% of one core\n", wall, cpu,
                100.0 * cpu / wall);
    std::printf("exit status %d\n", WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return 0;
}
