// Saves 24-bit pictures as PNG files (uncompressed deflate blocks).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// rgb holds width * height pixels, 3 bytes each, top row first.
bool SavePng(const std::string &path, int width, int height, const std::vector<uint8_t> &rgb);
