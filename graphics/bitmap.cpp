#include "graphics/bitmap.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

BitmapFile bitmap_file = {};

namespace {

constexpr int FILE_HEADER_SIZE = 14;
constexpr int INFO_HEADER_SIZE = 40;
constexpr uint32_t BI_RGB = 0;

uint16_t GetU16(const unsigned char* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t GetU32(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

BitmapFileHeader ParseFileHeader(const unsigned char* p)
{
    return BitmapFileHeader{GetU16(p), GetU32(p + 2), GetU16(p + 6), GetU16(p + 8), GetU32(p + 10)};
}

BitmapInfoHeader ParseInfoHeader(const unsigned char* p)
{
    return BitmapInfoHeader{GetU32(p),
                            static_cast<int32_t>(GetU32(p + 4)),
                            static_cast<int32_t>(GetU32(p + 8)),
                            GetU16(p + 12),
                            GetU16(p + 14),
                            GetU32(p + 16),
                            GetU32(p + 20),
                            static_cast<int32_t>(GetU32(p + 24)),
                            static_cast<int32_t>(GetU32(p + 28)),
                            GetU32(p + 32),
                            GetU32(p + 36)};
}

uint16_t Pack16(unsigned red, unsigned green, unsigned blue)
{
    if (pixel_format == 15) return static_cast<uint16_t>((red >> 3) << 10 | (green >> 3) << 5 | blue >> 3);
    return static_cast<uint16_t>((red >> 3) << 11 | (green >> 2) << 5 | blue >> 3);
}

// Everything read from the file, kept apart until the whole load succeeds.
struct Loaded {
    BitmapFileHeader file_header;
    BitmapInfoHeader info_header;
    PaletteEntry palette[PALETTE_SIZE];
    unsigned char* buffer;
};

// Reads headers, palette and pixels, checking every size against the file.
bool ReadBitmap(std::FILE* file, Loaded* out)
{
    if (std::fseek(file, 0, SEEK_END) != 0) return false;
    const long file_size = std::ftell(file);
    if (file_size < FILE_HEADER_SIZE + INFO_HEADER_SIZE || std::fseek(file, 0, SEEK_SET) != 0) {
        return false;
    }
    unsigned char headers[FILE_HEADER_SIZE + INFO_HEADER_SIZE];
    if (std::fread(headers, sizeof headers, 1, file) != 1) return false;
    out->file_header = ParseFileHeader(headers);
    if (out->file_header.bfType != BITMAP_ID) return false;
    BitmapInfoHeader& info = out->info_header;
    info = ParseInfoHeader(headers + FILE_HEADER_SIZE);

    const int depth = info.biBitCount;
    if (depth != 8 && depth != 16 && depth != 24) return false;
    if (info.biCompression != BI_RGB) return false;
    if (info.biSize < static_cast<uint32_t>(INFO_HEADER_SIZE)) return false;
    const int64_t width = info.biWidth;
    const int64_t height = info.biHeight < 0 ? -static_cast<int64_t>(info.biHeight) : info.biHeight;
    if (width < 1 || height < 1 || width > BITMAP_MAX_SIDE || height > BITMAP_MAX_SIDE) return false;

    // The palette follows the information header, however long that is.
    const int64_t palette_at = FILE_HEADER_SIZE + static_cast<int64_t>(info.biSize);
    if (depth == 8) {
        const int64_t entries = info.biClrUsed == 0 || info.biClrUsed > PALETTE_SIZE
                                    ? PALETTE_SIZE
                                    : info.biClrUsed;
        if (palette_at + 4 * entries > file_size) return false;
        unsigned char stored[4 * PALETTE_SIZE] = {};
        if (std::fseek(file, static_cast<long>(palette_at), SEEK_SET) != 0 ||
            std::fread(stored, static_cast<std::size_t>(4 * entries), 1, file) != 1) {
            return false;
        }
        for (int i = 0; i < PALETTE_SIZE; ++i) {
            out->palette[i] = PaletteEntry{stored[4 * i + 2], stored[4 * i + 1], stored[4 * i],
                                           PC_NOCOLLAPSE};
        }
    }

    // Rows in the file are padded to 4 bytes; the buffer's are not.
    const int64_t file_row = (width * depth + 31) / 32 * 4;
    const int64_t row_in = width * (depth / 8);
    const int64_t row_out = depth == 24 ? width * 2 : row_in;
    const int64_t data_at = out->file_header.bfOffBits;
    if (data_at < palette_at || data_at + file_row * height > file_size) return false;

    out->buffer = new (std::nothrow) unsigned char[static_cast<std::size_t>(row_out * height)];
    unsigned char* row = new (std::nothrow) unsigned char[static_cast<std::size_t>(file_row)];
    bool ok = out->buffer && row && std::fseek(file, static_cast<long>(data_at), SEEK_SET) == 0;
    for (int64_t y = 0; ok && y < height; ++y) {
        ok = std::fread(row, static_cast<std::size_t>(file_row), 1, file) == 1;
        if (!ok) break;
        unsigned char* dest = out->buffer + y * row_out;
        if (depth == 24) {
            for (int64_t x = 0; x < width; ++x) {
                const unsigned char* bgr = row + 3 * x;
                const uint16_t value = Pack16(bgr[2], bgr[1], bgr[0]);
                dest[2 * x] = static_cast<unsigned char>(value);
                dest[2 * x + 1] = static_cast<unsigned char>(value >> 8);
            }
        } else {
            std::memcpy(dest, row, static_cast<std::size_t>(row_in));
        }
    }
    delete[] row;
    // Files with a positive height are stored bottom-up.
    if (ok && info.biHeight > 0) {
        ok = FlipBitmapRows(out->buffer, static_cast<int>(row_out), static_cast<int>(height)) == 1;
    }
    if (!ok) {
        delete[] out->buffer;
        out->buffer = nullptr;
        return false;
    }
    info.biHeight = static_cast<int32_t>(height);
    if (depth == 24) info.biBitCount = 16;
    return true;
}

}  // namespace

int LoadBitmapFile(BitmapFile* bitmap, const char* name)
{
    if (!bitmap || !name) return 0;
    std::FILE* file = std::fopen(name, "rb");
    if (!file) return 0;
    Loaded loaded = {};
    const bool ok = ReadBitmap(file, &loaded);
    std::fclose(file);
    if (!ok) return 0;
    delete[] bitmap->buffer;
    bitmap->file_header = loaded.file_header;
    bitmap->info_header = loaded.info_header;
    if (loaded.info_header.biBitCount == 8) {
        std::memcpy(bitmap->palette, loaded.palette, sizeof bitmap->palette);
    }
    bitmap->buffer = loaded.buffer;
    return 1;
}

int UnloadBitmapFile(BitmapFile* bitmap)
{
    if (!bitmap) return 0;
    delete[] bitmap->buffer;
    bitmap->buffer = nullptr;
    return 1;
}

int FlipBitmapRows(unsigned char* bytes, int row_bytes, int rows)
{
    if (!bytes || row_bytes < 0 || rows < 0) return 0;
    unsigned char* scratch = new (std::nothrow) unsigned char[static_cast<std::size_t>(row_bytes)];
    if (!scratch) return 0;
    const std::size_t length = static_cast<std::size_t>(row_bytes);
    for (int i = 0; i < rows / 2; ++i) {
        unsigned char* upper = bytes + static_cast<std::size_t>(i) * length;
        unsigned char* lower = bytes + static_cast<std::size_t>(rows - 1 - i) * length;
        std::memcpy(scratch, upper, length);
        std::memcpy(upper, lower, length);
        std::memcpy(lower, scratch, length);
    }
    delete[] scratch;
    return 1;
}

int FindBitmapCell(const BitmapFile* bitmap, int cx, int cy, int width, int height, int mode,
                   int* left, int* top)
{
    if (!bitmap || !bitmap->buffer || bitmap->info_header.biBitCount != 8) return 0;
    if (width < 1 || height < 1) return 0;
    const int64_t x = mode == CELL_COORDS ? int64_t{cx} * (width + 1) + 1 : cx;
    const int64_t y = mode == CELL_COORDS ? int64_t{cy} * (height + 1) + 1 : cy;
    if (x < 0 || y < 0 || x + width > bitmap->info_header.biWidth ||
        y + height > bitmap->info_header.biHeight) {
        return 0;
    }
    if (left) *left = static_cast<int>(x);
    if (top) *top = static_cast<int>(y);
    return 1;
}

int CreateBitmapImage(BitmapImage* image, int x, int y, int width, int height, int bpp)
{
    if (!image) return 0;
    const int bytes_per_pixel = bpp >> 3;
    if (width < 1 || height < 1 || width > BITMAP_MAX_SIDE || height > BITMAP_MAX_SIDE ||
        bytes_per_pixel < 1 || bytes_per_pixel > 4) {
        image->buffer = nullptr;
        return 0;
    }
    const int byte_count = bytes_per_pixel * width * height;
    image->buffer = new (std::nothrow) unsigned char[static_cast<std::size_t>(byte_count)]();
    if (!image->buffer) return 0;
    image->state = 1;
    image->attr = 0;
    image->x = x;
    image->y = y;
    image->width = width;
    image->height = height;
    image->byte_count = byte_count;
    image->bpp = bpp;
    return 1;
}

int DestroyBitmapImage(BitmapImage* image)
{
    if (!image || !image->buffer) return 0;
    delete[] image->buffer;
    *image = BitmapImage{};
    return 1;
}

int LoadBitmapImage(BitmapImage* image, BitmapFile* bitmap, int cx, int cy, int mode)
{
    if (!image || !image->buffer || image->bpp != 8) return 0;
    int left = 0;
    int top = 0;
    if (!FindBitmapCell(bitmap, cx, cy, image->width, image->height, mode, &left, &top)) return 0;
    const int stride = bitmap->info_header.biWidth;
    for (int row = 0; row < image->height; ++row) {
        std::memcpy(image->buffer + row * image->width, bitmap->buffer + (top + row) * stride + left,
                    static_cast<std::size_t>(image->width));
    }
    image->attr |= IMAGE_LOADED;
    return 1;
}

int DrawBitmapImage(BitmapImage* image, unsigned char* dest, int pitch, int transparent)
{
    if (!image || !dest || !image->buffer || !(image->attr & IMAGE_LOADED)) return 0;
    // The destination is the screen-sized back buffer; what would fall
    // outside it is left out.
    const int x0 = std::max(image->x, 0);
    const int y0 = std::max(image->y, 0);
    const int x1 = std::min(image->x + image->width, screen_width);
    const int y1 = std::min(image->y + image->height, screen_height);
    if (x0 >= x1 || y0 >= y1) return 1;
    for (int y = y0; y < y1; ++y) {
        const unsigned char* s = image->buffer + (y - image->y) * image->width + (x0 - image->x);
        unsigned char* d = dest + y * pitch + x0;
        if (!transparent) {
            std::memcpy(d, s, static_cast<std::size_t>(x1 - x0));
            continue;
        }
        for (int x = 0; x < x1 - x0; ++x) {
            if (s[x]) d[x] = s[x];
        }
    }
    return 1;
}
