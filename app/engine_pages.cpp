#include "app/engine_pages.h"

#include "platform/ansi.h"
#include "platform/files.h"

const char* const TemplateEnginePage = "svx.html";

namespace {

bool EndsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           AnsiLowerCase(text.substr(text.size() - ending.size())) == ending;
}

} // namespace

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.rfind(PathSeparator) + 1);
}

std::string SearchPageOf(const std::string& engine) {
    const std::string folder = FolderOf(engine);
    const std::string page = folder + TemplateEnginePage;
    if (FileExists(page)) {
        return page;
    }
    const bool engineIsPage = EndsWith(engine, ".html") || EndsWith(engine, ".htm");
    return engineIsPage ? engine : folder + "search.html";
}
