#include "app/documents.h"

#include "app/app_settings.h"
#include "platform/processes.h"

#include <cstdlib>

namespace HelpPage {
const char* const Index = "Manual/index.html";
const char* const Search = "Manual/search.html";
const char* const NewEngine = "Manual/dialogs.html#new";
const char* const Templates = "Manual/templates.html";
const char* const Category = "Manual/dialogs.html#category";
const char* const Link = "Manual/dialogs.html#link";
const char* const Template = "Manual/dialogs.html#template";
const char* const Site = "Manual/dialogs.html#site";
} // namespace HelpPage

namespace {

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

std::string FindEditorProgram() {
    return FindProgram("xdg-open");
}

bool OpenDocument(const std::string& target) {
    for (const char* program : {"xdg-open", "sensible-browser", "x-www-browser"}) {
        if (StartDetached(program, {target})) {
            return true;
        }
    }
    return false;
}

bool EditDocument(const std::string& file) {
    std::string preferred = EnvironmentValue("VISUAL");
    if (preferred.empty()) {
        preferred = EnvironmentValue("EDITOR");
    }
    for (const std::string& program :
         {preferred, AppSettings.EditorProgram, std::string("editor")}) {
        if (StartDetached(program, {file})) {
            return true;
        }
    }
    return false;
}

// A file URL, so that the page's anchor reaches the browser.
std::string HelpPageAddress(const std::string& page) {
    return "file://" + AppSettings.SetupDir + page;
}

bool OpenHelpPage(const std::string& page) {
    return OpenDocument(HelpPageAddress(page));
}
