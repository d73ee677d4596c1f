// The loaders read named files, so each fuzz input is written to a file of
// this process's own first.
#pragma once
#include <cstddef>
#include <cstdint>

// The path of a file holding exactly these bytes; the same path every call.
// Aborts when the file cannot be written, since no input could then be tried.
const char* WriteFuzzInput(const uint8_t* data, std::size_t size);
