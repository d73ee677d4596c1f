#include "tests/profile/profile_fixture.h"

#include <fnmatch.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder()
{
    std::string pattern = (fs::temp_directory_path() / "wavedart-profile-XXXXXX").string();
    path = mkdtemp(pattern.data());
}

ScratchFolder::~ScratchFolder()
{
    fs::remove_all(path);
}

void WriteText(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const fs::path& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

std::vector<std::string> FilesStartingWith(const fs::path& folder, const std::string& prefix)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

const std::string STAMP = "[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]-[0-9][0-9][0-9][0-9][0-9][0-9]";

bool Matches(const std::string& text, const std::string& pattern)
{
    return fnmatch(pattern.c_str(), text.c_str(), 0) == 0;
}

std::string Said(const std::function<void()>& act)
{
    testing::internal::CaptureStderr();
    act();
    return testing::internal::GetCapturedStderr();
}

int RunInChild(const std::function<int()>& body, std::string* said)
{
    int pipe_ends[2];
    EXPECT_EQ(pipe(pipe_ends), 0);
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipe_ends[1], STDERR_FILENO);
        close(pipe_ends[0]);
        _exit(body());
    }
    close(pipe_ends[1]);
    said->clear();
    char chunk[512];
    for (ssize_t count; (count = read(pipe_ends[0], chunk, sizeof chunk)) > 0;) said->append(chunk, count);
    close(pipe_ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WEXITSTATUS(status);
}
