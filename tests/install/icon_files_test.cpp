// The generated desktop icons are well-formed PNG files of the size their
// folder names: every chunk's checksum holds, and their pixels, inflated and
// unfiltered, are the smallest icon's enlarged.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t BigEndian(const Bytes& b, std::size_t at)
{
    return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}

// The RGBA pixels of the icon of this size, its chunks checked on the way;
// empty when they do not inflate to whole rows filtered as the generator
// filters them (by the pixel to the left or the one above).
Bytes Pixels(uint32_t size)
{
    const char* data = std::getenv("WAVEDART_DATA_DIR");
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    std::ifstream in(std::filesystem::path(data ? data : "").parent_path() / "icons" / name / "apps/wavedart.png",
                     std::ios::binary);
    const Bytes png{std::istreambuf_iterator<char>(in), {}};
    if (png.size() < 33) return {};
    EXPECT_EQ(Bytes(png.begin(), png.begin() + 8), (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    std::string types;
    Bytes idat;
    std::size_t at = 8;
    for (uint32_t length; at + 12 <= png.size() && at + 12 + (length = BigEndian(png, at)) <= png.size();) {
        types += std::string(png.begin() + long(at) + 4, png.begin() + long(at) + 8) + " ";
        EXPECT_EQ(crc32(0, png.data() + at + 4, length + 4), BigEndian(png, at + 8 + length)) << types;
        if (types.ends_with("IDAT ")) idat.assign(png.begin() + long(at) + 8, png.begin() + long(at + 8 + length));
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size());
    EXPECT_EQ(types, "IHDR IDAT IEND ");
    EXPECT_EQ(BigEndian(png, 16), size);
    EXPECT_EQ(BigEndian(png, 20), size);
    EXPECT_EQ(png[24] << 8 | png[25], 8 << 8 | 6) << "8 bits a channel, RGBA";
    const std::size_t stride = 4 * std::size_t{size};
    Bytes raw((stride + 1) * size + 1);
    uLongf raw_size = raw.size();
    if (uncompress(raw.data(), &raw_size, idat.data(), idat.size()) != Z_OK || raw_size != raw.size() - 1) return {};
    Bytes pixels(stride * size);
    for (std::size_t y = 0; y < size; ++y) {
        const uint8_t filter = raw[y * (stride + 1)];
        if (filter != 1 && filter != 2) return {};
        for (std::size_t i = 0; i < stride; ++i) {
            const int left = i >= 4 ? pixels[y * stride + i - 4] : 0;
            const int above = y > 0 ? pixels[(y - 1) * stride + i] : 0;
            pixels[y * stride + i] = static_cast<uint8_t>(raw[y * (stride + 1) + 1 + i] + (filter == 1 ? left : above));
        }
    }
    return pixels;
}

}  // namespace

TEST(IconFiles, EachSizeIsAValidRgbaPngOfTheSmallestEnlarged)
{
    const Bytes small = Pixels(64);
    ASSERT_EQ(small.size(), 64u * 64u * 4u);
    EXPECT_EQ(small[3], 0) << "a transparent corner";
    EXPECT_EQ(small[(32 * 64 + 32) * 4 + 3], 255) << "an opaque middle";
    for (uint32_t size : {128u, 256u}) {
        SCOPED_TRACE(size);
        const Bytes big = Pixels(size);
        ASSERT_EQ(big.size(), std::size_t{size} * size * 4);
        int differ = 0;
        for (uint32_t y = 0; y < size; ++y) {
            for (uint32_t x = 0; x < size; ++x) {
                differ += std::memcmp(&big[(y * size + x) * 4], &small[(y * 64 / size * 64 + x * 64 / size) * 4], 4) != 0;
            }
        }
        EXPECT_EQ(differ, 0);
    }
}
