#include "fuzz/fuzz_input.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string input_path;

void RemoveInputFile()
{
    if (!input_path.empty()) unlink(input_path.c_str());
}

// Rewriting a file on a disk file system can flush it every time, which
// costs more than the load itself: memory is preferred.
std::string TempFolder()
{
    const char* dir = std::getenv("TMPDIR");
    if (dir && *dir) return dir;
    if (access("/dev/shm", W_OK) == 0) return "/dev/shm";
    return "/tmp";
}

// One file per process, so that parallel fuzzing jobs do not share it.
const char* InputPath()
{
    if (input_path.empty()) {
        std::string pattern = TempFolder() + "/wavedart-fuzz-XXXXXX";
        const int fd = mkstemp(pattern.data());
        if (fd < 0) {
            std::perror("wavedart fuzz: cannot make the input file");
            std::abort();
        }
        close(fd);
        input_path = pattern;
        std::atexit(RemoveInputFile);
    }
    return input_path.c_str();
}

}  // namespace

const char* WriteFuzzInput(const uint8_t* data, std::size_t size)
{
    const char* path = InputPath();
    std::FILE* file = std::fopen(path, "wb");
    if (!file || (size && std::fwrite(data, size, 1, file) != 1) || std::fclose(file) != 0) {
        std::perror("wavedart fuzz: cannot write the input file");
        std::abort();
    }
    return path;
}
