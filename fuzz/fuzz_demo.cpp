// Any text given to the demo and replay reader: it reads or refuses it in one
// line, and what it reads is whole: key lines within the frames it counts,
// jumps in order inside them, and written back it reads the same again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "replays/demo_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Demo demo;
    DemoError error;
    if (!ParseDemo(text, &demo, &error)) {
        if (error.what.empty() || error.what.find('\n') != std::string::npos) std::abort();
        return 0;
    }
    if (demo.frames.size() > DEMO_MAX_FRAMES) std::abort();
    for (std::size_t i = 0; i < demo.jumps.size(); ++i) {
        if (demo.jumps[i].frame >= demo.frames.size()) std::abort();
        if (i > 0 && demo.jumps[i].frame <= demo.jumps[i - 1].frame) std::abort();
    }
    Demo again;
    if (!ParseDemo(FormatDemo(demo), &again, &error)) std::abort();
    if (again.frames != demo.frames || again.jumps != demo.jumps || again.result != demo.result ||
        again.start_tick != demo.start_tick || again.version != demo.version) {
        std::abort();
    }
    return 0;
}
