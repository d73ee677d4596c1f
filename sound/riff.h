// A reader of RIFF files: chunks found and entered by their four-character
// ids. Every chunk it hands out lies wholly inside its parent, and the
// outermost inside the file, so no read or seek goes past the file's end.
#pragma once
#include <cstdint>
#include <cstdio>

struct RiffFile {
    std::FILE* stream;
    long size;
};

struct RiffChunk {
    uint32_t id;
    uint32_t size;
    // The form type of a "RIFF" chunk; 0 for other chunks.
    uint32_t form_type;
    // File offsets of the chunk's data and of its end, pad byte excluded.
    long data_start;
    long data_end;
};

// The id of four characters, as it is stored in the file.
constexpr uint32_t RiffId(const char (&text)[5])
{
    return static_cast<uint32_t>(static_cast<unsigned char>(text[0])) |
           static_cast<uint32_t>(static_cast<unsigned char>(text[1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(text[2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(text[3])) << 24;
}

// 1 when the file is open for reading.
int RiffOpen(RiffFile* file, const char* name);
void RiffClose(RiffFile* file);
// Finds the top-level "RIFF" chunk of the given form type and enters it,
// placing the file at its first sub-chunk. 1 when found.
int RiffFindForm(RiffFile* file, uint32_t form_type, RiffChunk* form);
// Enters the chunk at the current position, whatever its id. 1 when one
// starts there and fits inside parent.
int RiffDescend(RiffFile* file, const RiffChunk* parent, RiffChunk* chunk);
// Searches parent from the current position for the chunk with this id and
// enters it. 1 when found.
int RiffFindChunk(RiffFile* file, const RiffChunk* parent, uint32_t id, RiffChunk* chunk);
// Reads exactly count bytes at the current position. 0 when the file ends
// first.
int RiffRead(RiffFile* file, void* dest, long count);
// Places the file just past the chunk and its pad byte. 1 on success.
int RiffAscend(RiffFile* file, const RiffChunk* chunk);
