// Builds small RIFF files byte by byte, well-formed or deliberately broken,
// and a temporary folder to write them to.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

void PutLittleEndian(Bytes* bytes, uint32_t value, int size);
// A chunk: four-character id, 32-bit size, body, and a pad byte when odd.
Bytes Chunk(const char* id, const Bytes& body);
// A chunk whose size field says declared_size instead of the body's size.
Bytes ChunkWithSize(const char* id, uint32_t declared_size, const Bytes& body);
// A "RIFF" chunk of the given form type around the given chunks.
Bytes RiffForm(const char* form_type, const std::vector<Bytes>& chunks);
// A format chunk of 16 bytes (18 with the extra-size word).
Bytes FormatChunk(uint16_t format_tag, uint16_t channels, uint32_t rate, bool with_extra_size);
// A complete 8-bit mono PCM WAVE file.
Bytes WaveFile(const Bytes& samples, uint32_t rate = 11025);

// Samples: constant level, and a sine of a whole number of periods.
Bytes ConstantSamples(int count, uint8_t level);
Bytes SineSamples(int count, double frequency, double rate = 11025.0);

// A fresh folder, removed again by its owner.
std::filesystem::path MakeTempFolder();
void WriteBytes(const std::filesystem::path& path, const Bytes& bytes);
