// Any file given to the palette reader: it reads what it can and never more
// than the 256 entries.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fuzz/fuzz_input.h"
#include "graphics/display.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    // One entry past the palette shows a write beyond it.
    PaletteEntry entries[PALETTE_SIZE + 1];
    std::memset(entries, 0xA5, sizeof entries);
    if (LoadPaletteFile(WriteFuzzInput(data, size), entries) != 1) std::abort();
    const PaletteEntry& guard = entries[PALETTE_SIZE];
    if (guard.red != 0xA5 || guard.green != 0xA5 || guard.blue != 0xA5 || guard.flags != 0xA5) {
        std::abort();
    }
    return 0;
}
