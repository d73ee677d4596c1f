// The game's program run as the player runs it: its exit status and what it
// printed on standard output and standard error.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

// environment is put before the command, as "NAME=VALUE ".
inline ProgramRun RunProgram(const std::string& arguments, const std::string& environment = "")
{
    const std::string err_file = testing::TempDir() + "wavedart_program_stderr_" +
                                 testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                                 std::to_string(getpid());
    const std::string command = environment + WAVEDART_PROGRAM + " " + arguments + " 2>" + err_file;
    ProgramRun run{-1, "", ""};
    std::FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe)) run.out += buffer;
    const int status = pipe ? pclose(pipe) : -1;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (std::FILE* err = std::fopen(err_file.c_str(), "r")) {
        while (std::fgets(buffer, sizeof buffer, err)) run.err += buffer;
        std::fclose(err);
    }
    std::remove(err_file.c_str());
    return run;
}
