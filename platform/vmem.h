// VirtualAlloc and VirtualFree with the Windows names and contract, on anonymous
// memory mappings. A block is zero-filled; it is released with
// VirtualFree(block, 0, MEM_RELEASE), the size being kept in front of the block.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::uint32_t MEM_COMMIT = 0x1000;
constexpr std::uint32_t MEM_RESERVE = 0x2000;
constexpr std::uint32_t MEM_RELEASE = 0x8000;
constexpr std::uint32_t PAGE_READWRITE = 0x04;

// Only fresh read-write blocks are offered: address must be null and the
// allocation type must include MEM_COMMIT. Returns null on failure or for size 0.
void* VirtualAlloc(void* address, std::size_t size, std::uint32_t allocationType,
                   std::uint32_t protect);

// Releases a whole block: size must be 0 and freeType MEM_RELEASE.
bool VirtualFree(void* address, std::size_t size, std::uint32_t freeType);
