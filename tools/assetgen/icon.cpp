// The icon is drawn once at 64 x 64 in palette indices and written as RGBA
// PNG, enlarged by whole factors for the bigger sizes. The PNG writer
// compresses with a deflate of its own, small and made for these pictures.
#include "tools/assetgen/icon.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "tools/assetgen/art.h"
#include "tools/assetgen/palette.h"

namespace {

constexpr int BASE_SIZE = 64;
constexpr int SIZES[] = {64, 128, 256};
constexpr int CORNER_RADIUS = 10;
constexpr int BANK_WIDTH = 9;

using Bytes = std::vector<uint8_t>;

// Water between two grassy banks, with the level craft in the middle.
Canvas DrawIconPicture()
{
    Canvas c = MakeCanvas(BASE_SIZE, BASE_SIZE, RAMP_WATER.Shade(8));
    for (int y = 0; y < BASE_SIZE; ++y) {
        // The banks wander a little, as the river's do.
        const int wobble = (y / 8) % 2;
        FillRect(c, 0, y, BANK_WIDTH + wobble, 1, RAMP_GRASS.Shade(5));
        FillRect(c, BASE_SIZE - BANK_WIDTH - (1 - wobble), y, BANK_WIDTH + 1, 1,
                 RAMP_GRASS.Shade(4));
        SetPixel(c, BANK_WIDTH + wobble, y, RAMP_MUD.Shade(4));
        SetPixel(c, BASE_SIZE - BANK_WIDTH - (1 - wobble) - 1, y, RAMP_MUD.Shade(3));
    }
    const Canvas craft = DrawCraftFrames()[1];
    Blit(c, craft, (BASE_SIZE - craft.width) / 2, (BASE_SIZE - craft.height) / 2);
    return c;
}

// Outside the rounded square the icon is transparent.
bool InsideRoundedSquare(int x, int y)
{
    const int r = CORNER_RADIUS;
    const int cx = x < r ? r : (x >= BASE_SIZE - r ? BASE_SIZE - r - 1 : x);
    const int cy = y < r ? r : (y >= BASE_SIZE - r ? BASE_SIZE - r - 1 : y);
    const int dx = x - cx;
    const int dy = y - cy;
    return dx * dx + dy * dy <= r * r;
}

uint32_t Crc32(const uint8_t* data, std::size_t size, uint32_t crc = 0)
{
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

uint32_t Adler32(const Bytes& data)
{
    uint32_t a = 1;
    uint32_t b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

void PutU32BigEndian(Bytes& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutChunk(Bytes& out, const char* type, const Bytes& data)
{
    PutU32BigEndian(out, static_cast<uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutU32BigEndian(out, Crc32(out.data() + start, out.size() - start));
}

// Bits into a deflate stream, first bit lowest.
struct BitWriter {
    Bytes& out;
    uint32_t pending = 0;
    int count = 0;

    void Put(uint32_t bits, int n)
    {
        pending |= bits << count;
        count += n;
        while (count >= 8) {
            out.push_back(static_cast<uint8_t>(pending));
            pending >>= 8;
            count -= 8;
        }
    }
    // Huffman codes go in from their highest bit.
    void PutCode(uint32_t code, int n)
    {
        for (int bit = n - 1; bit >= 0; --bit) Put(code >> bit & 1u, 1);
    }
    void Flush()
    {
        if (count > 0) out.push_back(static_cast<uint8_t>(pending));
        pending = 0;
        count = 0;
    }
};

// A symbol of the fixed Huffman code: literals, the end, and lengths.
void PutFixedSymbol(BitWriter& bits, int symbol)
{
    if (symbol < 144) bits.PutCode(0x30u + static_cast<uint32_t>(symbol), 8);
    else if (symbol < 256) bits.PutCode(0x190u + static_cast<uint32_t>(symbol - 144), 9);
    else if (symbol < 280) bits.PutCode(static_cast<uint32_t>(symbol - 256), 7);
    else bits.PutCode(0xC0u + static_cast<uint32_t>(symbol - 280), 8);
}

// A repeat of the byte before, 3 to 258 bytes long, at distance 1.
void PutRepeat(BitWriter& bits, int length)
{
    static constexpr int BASE[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                   31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    int code = 28;
    while (BASE[code] > length) --code;
    const int extra = code < 8 || code == 28 ? 0 : (code - 4) / 4;
    PutFixedSymbol(bits, 257 + code);
    bits.Put(static_cast<uint32_t>(length - BASE[code]), extra);
    bits.PutCode(0, 5);
}

// A zlib stream of one block in the fixed code, whose only matches are runs
// of one byte: enough for an enlarged picture whose rows are filtered.
Bytes Zlib(const Bytes& raw)
{
    Bytes z = {0x78, 0x01};
    BitWriter bits{z};
    bits.Put(1, 1);
    bits.Put(1, 2);
    std::size_t at = 0;
    while (at < raw.size()) {
        std::size_t run = 0;
        while (at > 0 && run < 258 && at + run < raw.size() && raw[at + run] == raw[at - 1]) ++run;
        if (run >= 3) {
            PutRepeat(bits, static_cast<int>(run));
            at += run;
        } else {
            PutFixedSymbol(bits, raw[at++]);
        }
    }
    PutFixedSymbol(bits, 256);
    bits.Flush();
    PutU32BigEndian(z, Adler32(raw));
    return z;
}

// 8-bit RGBA, no interlacing. A row the same as the one above is filtered
// to zeros (Up), any other to the differences from the pixel on its left
// (Sub), which the enlargement turns into runs of zeros. A rounded icon
// is transparent outside its rounded square; a square one is opaque to its
// edges, for launchers that cut their own shape out of it.
enum class Shape { ROUNDED, SQUARE };

Bytes EncodePng(const Canvas& picture, int size, Shape shape = Shape::ROUNDED)
{
    const Palette& palette = GamePalette();
    const std::size_t stride = 4 * static_cast<std::size_t>(size);
    Bytes pixels;
    pixels.reserve(stride * static_cast<std::size_t>(size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int px = x * BASE_SIZE / size;
            const int py = y * BASE_SIZE / size;
            const Rgb colour = palette[static_cast<std::size_t>(GetPixel(picture, px, py))];
            const bool inside = shape == Shape::SQUARE || InsideRoundedSquare(px, py);
            for (int v : {colour.r, colour.g, colour.b, inside ? 255 : 0}) {
                pixels.push_back(static_cast<uint8_t>(inside ? v : 0));
            }
        }
    }
    Bytes raw;
    raw.reserve((stride + 1) * static_cast<std::size_t>(size));
    for (std::size_t row = 0; row < pixels.size(); row += stride) {
        const auto line = pixels.begin() + static_cast<std::ptrdiff_t>(row);
        const bool same = row > 0 && std::equal(line, line + static_cast<std::ptrdiff_t>(stride), line - static_cast<std::ptrdiff_t>(stride));
        raw.push_back(same ? 2 : 1);
        for (std::size_t i = 0; i < stride; ++i) {
            raw.push_back(same ? 0 : static_cast<uint8_t>(pixels[row + i] - (i >= 4 ? pixels[row + i - 4] : 0)));
        }
    }
    Bytes header;
    PutU32BigEndian(header, static_cast<uint32_t>(size));
    PutU32BigEndian(header, static_cast<uint32_t>(size));
    header.insert(header.end(), {8, 6, 0, 0, 0});
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", Zlib(raw));
    PutChunk(png, "IEND", {});
    return png;
}

bool WriteFile(const std::string& path, const Bytes& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}

}  // namespace

bool WriteIcons(const std::string& dir)
{
    const Canvas picture = DrawIconPicture();
    bool ok = true;
    for (int size : SIZES) {
        const std::string folder = dir + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        ok = WriteFile(folder + "/wavedart.png", EncodePng(picture, size)) && ok;
    }
    return ok;
}

bool WritePageIcons(const std::string& dir)
{
    const Canvas picture = DrawIconPicture();
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    bool ok = WriteFile(dir + "/icon-192.png", EncodePng(picture, 192));
    ok = WriteFile(dir + "/icon-512.png", EncodePng(picture, 512)) && ok;
    // The craft sits in the middle, well inside the circle every launcher keeps.
    return WriteFile(dir + "/icon-maskable-512.png", EncodePng(picture, 512, Shape::SQUARE)) && ok;
}
