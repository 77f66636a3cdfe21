#include "fuzz_files.h"

#include "platform/files.h"

#include <unistd.h>

std::string WriteScratchFile(const std::uint8_t* data, std::size_t size, const char* extension) {
    const std::string folder = FolderExists("/dev/shm") ? "/dev/shm/" : TempFolder();
    const std::string path =
        folder + "sitevane-fuzz-" + std::to_string(::getpid()) + "." + extension;
    WriteWholeFile(path, std::string(reinterpret_cast<const char*>(data), size));
    return path;
}
