// What the SDL benchmarks share: a loaded machine on demand, and figures
// over many measurements.
#pragma once
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <vector>

// Processes that spin while this lives, each taking a core if it can.
// Make it before SDL starts its threads.
class BusyProcesses {
public:
    explicit BusyProcesses(int count)
    {
        for (int i = 0; i < count; ++i) {
            const pid_t child = fork();
            if (child == 0) {
                volatile unsigned spins = 0;
                for (;;) spins = spins + 1u;
            }
            if (child > 0) children_.push_back(child);
        }
    }
    ~BusyProcesses()
    {
        for (const pid_t child : children_) kill(child, SIGKILL);
        for (const pid_t child : children_) waitpid(child, nullptr, 0);
    }
    BusyProcesses(const BusyProcesses&) = delete;
    BusyProcesses& operator=(const BusyProcesses&) = delete;

private:
    std::vector<pid_t> children_;
};

// The value below which this share (0 to 1) of the values lie; 0 when empty.
inline double Percentile(std::vector<double> values, double share)
{
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}
