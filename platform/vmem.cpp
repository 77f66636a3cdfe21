#include "platform/vmem.h"

#include <sys/mman.h>

namespace {

// The mapping's length sits in front of the block; the header keeps 16-byte alignment.
constexpr std::size_t HeaderSize = 16;

} // namespace

void* VirtualAlloc(void* address, std::size_t size, std::uint32_t allocationType,
                   std::uint32_t protect) {
    if (address != nullptr || size == 0 || size > SIZE_MAX - HeaderSize ||
        (allocationType & MEM_COMMIT) == 0 || protect != PAGE_READWRITE) {
        return nullptr;
    }
    const std::size_t length = size + HeaderSize;
    void* mapping =
        ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED) {
        return nullptr;
    }
    *static_cast<std::size_t*>(mapping) = length;
    return static_cast<char*>(mapping) + HeaderSize;
}

bool VirtualFree(void* address, std::size_t size, std::uint32_t freeType) {
    if (address == nullptr || size != 0 || freeType != MEM_RELEASE) {
        return false;
    }
    void* mapping = static_cast<char*>(address) - HeaderSize;
    return ::munmap(mapping, *static_cast<std::size_t*>(mapping)) == 0;
}
