// libFuzzer target: the engine file's reader on any bytes, with an oracle: the
// lists it reads, written and read again, come back the same, and what is
// written holds nothing that would break the database block or the page.
#include "app/app_settings.h"
#include "app/base.h"
#include "fuzz_files.h"
#include "platform/ansi.h"
#include "platform/files.h"
#include "readers/file_buffer.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

struct Lists {
    TCat Categories;
    TBase Links;
};

void Read(const std::string& bytes, Lists& lists) {
    TFileBuffer buffer;
    AssignBuffer(buffer, bytes);
    lists.Links.LoadFromBuffer(buffer);
    lists.Categories.LoadFromBuffer(buffer);
}

bool Same(const Lists& a, const Lists& b) {
    if (a.Categories.Count() != b.Categories.Count() || a.Links.Count() != b.Links.Count()) {
        return false;
    }
    for (std::int32_t i = 0; i < a.Categories.Count(); ++i) {
        if (a.Categories.GetName(i) != b.Categories.GetName(i)) {
            return false;
        }
    }
    for (std::int32_t i = 0; i < a.Links.Count(); ++i) {
        if (!(a.Links.LinkAt(i) == b.Links.LinkAt(i))) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Lists first;
    Read(std::string(reinterpret_cast<const char*>(data), size), first);

    const std::string path = WriteScratchFile(data, 0, "js");
    OutputFile file;
    if (!file.Create(path) || !file.Write("<script>//Settings\r\n") ||
        !first.Links.WriteToFile(file) || !first.Categories.WriteToFile(file) ||
        !file.Write("//DatabaseEnd\r\n</script>") || !file.Close()) {
        return 0;
    }
    std::string written;
    ReadWholeFile(path, written);
    const std::string block = AnsiUpperCase(written.substr(20, written.size() - 20 - 24));
    for (const char* broken : {"//DATABASEEND", "</", "<!", "<SCRIPT"}) {
        if (block.find(broken) != std::string::npos) {
            std::abort();
        }
    }
    for (const char* head :
         {"VAR LN=NEW ARRAY(", "VAR DS=NEW ARRAY(", "VAR KW=NEW ARRAY(", "VAR CG=NEW ARRAY("}) {
        if (block.find(head) != block.rfind(head)) {
            std::abort();
        }
    }
    Lists second;
    Read(written, second);
    if (!Same(first, second)) {
        std::abort();
    }
    return 0;
}
