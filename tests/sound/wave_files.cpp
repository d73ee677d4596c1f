#include "wave_files.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <numbers>

void PutLittleEndian(Bytes* bytes, uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) bytes->push_back(static_cast<uint8_t>(value >> (8 * i)));
}

Bytes ChunkWithSize(const char* id, uint32_t declared_size, const Bytes& body)
{
    Bytes bytes(id, id + 4);
    PutLittleEndian(&bytes, declared_size, 4);
    bytes.insert(bytes.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) bytes.push_back(0);
    return bytes;
}

Bytes Chunk(const char* id, const Bytes& body)
{
    return ChunkWithSize(id, static_cast<uint32_t>(body.size()), body);
}

Bytes RiffForm(const char* form_type, const std::vector<Bytes>& chunks)
{
    Bytes body(form_type, form_type + 4);
    for (const Bytes& chunk : chunks) body.insert(body.end(), chunk.begin(), chunk.end());
    return Chunk("RIFF", body);
}

Bytes FormatChunk(uint16_t format_tag, uint16_t channels, uint32_t rate, bool with_extra_size)
{
    Bytes body;
    PutLittleEndian(&body, format_tag, 2);
    PutLittleEndian(&body, channels, 2);
    PutLittleEndian(&body, rate, 4);
    PutLittleEndian(&body, rate * channels, 4);
    PutLittleEndian(&body, channels, 2);
    PutLittleEndian(&body, 8, 2);
    if (with_extra_size) PutLittleEndian(&body, 0, 2);
    return Chunk("fmt ", body);
}

Bytes WaveFile(const Bytes& samples, uint32_t rate)
{
    return RiffForm("WAVE", {FormatChunk(1, 1, rate, false), Chunk("data", samples)});
}

Bytes ConstantSamples(int count, uint8_t level)
{
    return Bytes(static_cast<std::size_t>(count), level);
}

Bytes SineSamples(int count, double frequency, double rate)
{
    Bytes samples;
    for (int i = 0; i < count; ++i) {
        const double phase = 2.0 * std::numbers::pi * frequency * i / rate;
        samples.push_back(static_cast<uint8_t>(std::lround(128.0 + 100.0 * std::sin(phase))));
    }
    return samples;
}

std::filesystem::path MakeTempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "wavedart-sound-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern;
}

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
