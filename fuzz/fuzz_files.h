// What the fuzz targets share: a scratch file for inputs that the code under
// test reads by path, on a memory-backed folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Writes the input to this process's scratch file and answers its path.
std::string WriteScratchFile(const std::uint8_t* data, std::size_t size, const char* extension);
