// Text on surfaces, and the diagnostic log.
#pragma once
#include <cstdint>
#include <cstdio>

struct PlatformSurface;

// The log stream; null unless someone opens one, and nothing does.
extern std::FILE* log_file;

// Draws printable ASCII, 8 x 16 pixels a character, with (x, y) the text's
// top-left corner, in the palette entry nearest to colour (0x00BBGGRR)
// in the palette installed now. Only the glyphs are drawn. 0 when the
// surface is locked or null.
int DrawText(const char* text, int x, int y, uint32_t colour, PlatformSurface* surface);
// The entry of the palette installed now nearest to colour (0x00BBGGRR), the
// first of equals.
int NearestPaletteIndex(uint32_t colour);
// printf-style line into an 80-character buffer, written and flushed.
// 0 when the format is null or no stream is open.
int LogMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
