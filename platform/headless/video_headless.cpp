// Headless screen: every picture shown is kept as indices and palette.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/headless/headless_video.h"
#include "platform/surface.h"

namespace {

PlatformColour display_palette[PLATFORM_PALETTE_SIZE] = {};
HeadlessFrame last_frame = {};
int shown_count = 0;
void (*show_hook)(const HeadlessFrame* frame) = nullptr;

constexpr uint64_t FNV_OFFSET = 0xcbf29ce484222325;
constexpr uint64_t FNV_PRIME = 0x100000001b3;
// Words in turn go to this many hashes, so that their multiplications
// overlap.
constexpr int HASH_LANES = 4;

// FNV-1a's step taken a word at a time, the high half then folded down so
// that every bit of the word reaches the low bits of the steps after it.
uint64_t Mix(uint64_t hash, uint64_t word)
{
    hash = (hash ^ word) * FNV_PRIME;
    return hash ^ (hash >> 32);
}

// Read as little-endian whatever the machine, so the hash is the same everywhere.
uint64_t WordAt(const unsigned char* p)
{
    uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
    return word;
}

void HashBytes(uint64_t (&lanes)[HASH_LANES], const unsigned char* bytes, std::size_t count)
{
    constexpr std::size_t ROUND = 8 * HASH_LANES;
    // Copies that the bytes cannot alias, so that they stay in registers.
    uint64_t a = lanes[0];
    uint64_t b = lanes[1];
    uint64_t c = lanes[2];
    uint64_t d = lanes[3];
    std::size_t i = 0;
    for (; i + ROUND <= count; i += ROUND) {
        a = Mix(a, WordAt(bytes + i));
        b = Mix(b, WordAt(bytes + i + 8));
        c = Mix(c, WordAt(bytes + i + 16));
        d = Mix(d, WordAt(bytes + i + 24));
    }
    for (; i < count; ++i) a = Mix(a, bytes[i]);
    lanes[0] = a;
    lanes[1] = b;
    lanes[2] = c;
    lanes[3] = d;
}

void PutU16(unsigned char* p, unsigned v)
{
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}

void PutU32(unsigned char* p, unsigned v)
{
    PutU16(p, v & 0xFFFF);
    PutU16(p + 2, v >> 16);
}

}  // namespace

int PlatformOpenPicture(int, int, int)
{
    shown_count = 0;
    return 1;
}

void PlatformClosePicture() {}

void PlatformSwitchPicture(int) {}

void PlatformSetDisplayPalette(const PlatformColour* colours)
{
    std::memcpy(display_palette, colours, sizeof display_palette);
    PlatformShowFront();
}

int PlatformShowFront()
{
    const PlatformSurface* front = PlatformFrontSurface();
    if (!front) return 0;
    last_frame.width = front->width;
    last_frame.height = front->height;
    last_frame.pixels.resize(static_cast<std::size_t>(front->width) * front->height);
    for (int y = 0; y < front->height; ++y) {
        std::memcpy(last_frame.pixels.data() + static_cast<std::size_t>(y) * front->width,
                    front->pixels + y * front->pitch, static_cast<std::size_t>(front->width));
    }
    std::memcpy(last_frame.palette, display_palette, sizeof display_palette);
    shown_count += 1;
    if (show_hook) show_hook(&last_frame);
    return 1;
}

void HeadlessSetShowHook(void (*hook)(const HeadlessFrame* frame))
{
    show_hook = hook;
}

uint64_t HeadlessFrameHash(const HeadlessFrame* frame)
{
    if (!frame) return 0;
    uint64_t lanes[HASH_LANES];
    for (int lane = 0; lane < HASH_LANES; ++lane) lanes[lane] = FNV_OFFSET + lane;
    lanes[0] = Mix(lanes[0], uint64_t{static_cast<uint32_t>(frame->width)} << 32 |
                                 static_cast<uint32_t>(frame->height));
    HashBytes(lanes, frame->pixels.data(), frame->pixels.size());
    unsigned char colours[3 * PLATFORM_PALETTE_SIZE];
    for (int i = 0; i < PLATFORM_PALETTE_SIZE; ++i) {
        colours[3 * i] = frame->palette[i].red;
        colours[3 * i + 1] = frame->palette[i].green;
        colours[3 * i + 2] = frame->palette[i].blue;
    }
    HashBytes(lanes, colours, sizeof colours);
    uint64_t hash = FNV_OFFSET;
    for (const uint64_t lane : lanes) hash = Mix(hash, lane);
    return hash;
}

int HeadlessShownCount()
{
    return shown_count;
}

const HeadlessFrame* HeadlessLastFrame()
{
    return shown_count > 0 ? &last_frame : nullptr;
}

PlatformColour HeadlessFrameColour(const HeadlessFrame* frame, int x, int y)
{
    if (!frame || x < 0 || y < 0 || x >= frame->width || y >= frame->height) return {};
    return frame->palette[frame->pixels[static_cast<std::size_t>(y) * frame->width + x]];
}

int HeadlessWriteFrameBmp(const HeadlessFrame* frame, const char* path)
{
    if (!frame || !path) return 0;
    const int row = (frame->width + 3) & ~3;
    const unsigned data_offset = 14 + 40 + 1024;
    const unsigned image_size = static_cast<unsigned>(row * frame->height);
    unsigned char header[data_offset] = {};
    header[0] = 'B';
    header[1] = 'M';
    PutU32(header + 2, data_offset + image_size);
    PutU32(header + 10, data_offset);
    PutU32(header + 14, 40);
    PutU32(header + 18, static_cast<unsigned>(frame->width));
    PutU32(header + 22, static_cast<unsigned>(frame->height));
    PutU16(header + 26, 1);
    PutU16(header + 28, 8);
    PutU32(header + 34, image_size);
    PutU32(header + 46, PLATFORM_PALETTE_SIZE);
    for (int i = 0; i < PLATFORM_PALETTE_SIZE; ++i) {
        unsigned char* entry = header + 54 + 4 * i;
        entry[0] = frame->palette[i].blue;
        entry[1] = frame->palette[i].green;
        entry[2] = frame->palette[i].red;
    }
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return 0;
    bool ok = std::fwrite(header, sizeof header, 1, file) == 1;
    std::vector<unsigned char> line(static_cast<std::size_t>(row), 0);
    for (int y = frame->height - 1; ok && y >= 0; --y) {
        std::memcpy(line.data(), frame->pixels.data() + static_cast<std::size_t>(y) * frame->width,
                    static_cast<std::size_t>(frame->width));
        ok = std::fwrite(line.data(), line.size(), 1, file) == 1;
    }
    return std::fclose(file) == 0 && ok ? 1 : 0;
}
