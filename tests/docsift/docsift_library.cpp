#include "docsift/docsift_library.h"

#include "platform/vmem.h"

#include <cstring>
#include <dlfcn.h>
#include <stdexcept>

namespace {

template <typename Function> void Bind(void* handle, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(handle, name));
    if (!function) {
        throw std::runtime_error(std::string("libdocsift has no ") + name);
    }
}

} // namespace

DocsiftLibrary::DocsiftLibrary() : Handle(::dlopen(DOCSIFT_LIBRARY, RTLD_NOW | RTLD_LOCAL)) {
    if (!Handle) {
        throw std::runtime_error(::dlerror());
    }
    Bind(Handle, "GetDocInfo", GetDocInfo);
    Bind(Handle, "GetTextContent", GetTextContent);
    Bind(Handle, "GetTextContentFormated", GetTextContentFormated);
    Bind(Handle, "GetUnicodeTextContent", GetUnicodeTextContent);
    Bind(Handle, "GetUnicodeTextContentFormated", GetUnicodeTextContentFormated);
}

DocsiftLibrary::~DocsiftLibrary() {
    ::dlclose(Handle);
}

std::string DocsiftLibrary::Take(char* block) {
    if (!block) {
        return "<null>";
    }
    std::string text(block);
    if (!VirtualFree(block, 0, MEM_RELEASE)) {
        throw std::runtime_error("a text block could not be released");
    }
    return text;
}

std::string DocsiftLibrary::TakeWide(void* block, double length) {
    if (!block) {
        return "<null>";
    }
    std::string bytes(static_cast<const char*>(block), static_cast<std::size_t>(length) + 2);
    if (!VirtualFree(block, 0, MEM_RELEASE)) {
        throw std::runtime_error("a text block could not be released");
    }
    return bytes;
}
