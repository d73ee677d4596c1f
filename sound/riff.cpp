#include "sound/riff.h"

namespace {

constexpr long HEADER_BYTES = 8;
constexpr long FORM_TYPE_BYTES = 4;

uint32_t ReadLittleEndian32(const unsigned char* bytes)
{
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

long Position(const RiffFile* file)
{
    return std::ftell(file->stream);
}

// Reads the chunk header at the current position and leaves the file at the
// chunk's data. The chunk must end by limit.
int ReadHeader(RiffFile* file, long limit, RiffChunk* chunk)
{
    const long start = Position(file);
    if (start < 0 || limit - start < HEADER_BYTES) return 0;
    unsigned char header[HEADER_BYTES];
    if (!RiffRead(file, header, HEADER_BYTES)) return 0;
    const uint32_t size = ReadLittleEndian32(header + 4);
    if (static_cast<int64_t>(size) > static_cast<int64_t>(limit) - (start + HEADER_BYTES)) return 0;
    chunk->id = ReadLittleEndian32(header);
    chunk->size = size;
    chunk->form_type = 0;
    chunk->data_start = start + HEADER_BYTES;
    chunk->data_end = chunk->data_start + static_cast<long>(size);
    return 1;
}

}  // namespace

int RiffOpen(RiffFile* file, const char* name)
{
    file->stream = std::fopen(name, "rb");
    file->size = 0;
    if (!file->stream) return 0;
    if (std::fseek(file->stream, 0, SEEK_END) != 0 || (file->size = Position(file)) < 0 ||
        std::fseek(file->stream, 0, SEEK_SET) != 0) {
        RiffClose(file);
        return 0;
    }
    return 1;
}

void RiffClose(RiffFile* file)
{
    if (file->stream) std::fclose(file->stream);
    file->stream = nullptr;
}

int RiffFindForm(RiffFile* file, uint32_t form_type, RiffChunk* form)
{
    while (ReadHeader(file, file->size, form)) {
        if (form->id == RiffId("RIFF") && form->size >= FORM_TYPE_BYTES) {
            unsigned char type[FORM_TYPE_BYTES];
            if (!RiffRead(file, type, FORM_TYPE_BYTES)) return 0;
            form->form_type = ReadLittleEndian32(type);
            if (form->form_type == form_type) return 1;
        }
        if (!RiffAscend(file, form)) return 0;
    }
    return 0;
}

int RiffDescend(RiffFile* file, const RiffChunk* parent, RiffChunk* chunk)
{
    return ReadHeader(file, parent->data_end, chunk);
}

int RiffFindChunk(RiffFile* file, const RiffChunk* parent, uint32_t id, RiffChunk* chunk)
{
    while (ReadHeader(file, parent->data_end, chunk)) {
        if (chunk->id == id) return 1;
        if (!RiffAscend(file, chunk)) return 0;
    }
    return 0;
}

int RiffRead(RiffFile* file, void* dest, long count)
{
    const long start = Position(file);
    if (count < 0 || start < 0 || file->size - start < count) return 0;
    return std::fread(dest, 1, static_cast<std::size_t>(count), file->stream) ==
           static_cast<std::size_t>(count);
}

int RiffAscend(RiffFile* file, const RiffChunk* chunk)
{
    const long end = chunk->data_end + static_cast<long>(chunk->size & 1);
    return std::fseek(file->stream, end, SEEK_SET) == 0;
}
