// libFuzzer target: docsift's information and text exports on any file,
// seeded with real PDFs, each call bounded to one second of text.
#include "docsift/docsift.h"
#include "fuzz_files.h"
#include "platform/vmem.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ::setenv("DOCSIFT_TEXT_TIME_LIMIT", "1", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = WriteScratchFile(data, size, "pdf");
    DocInfo info{};
    GetDocInfo(path.c_str(), &info);
    if (char* text = GetTextContentFormated(path.c_str(), 0, 0)) {
        VirtualFree(text, 0, MEM_RELEASE);
    }
    double length = 0;
    if (void* wide = GetUnicodeTextContent(path.c_str(), 1, 3, &length, 1)) {
        VirtualFree(wide, 0, MEM_RELEASE);
    }
    return 0;
}
