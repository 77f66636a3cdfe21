#include "window_fixture.h"

namespace {

const std::string Engine =
    "<html><script>\r\n//Settings\r\n"
    "//DatabaseBegin\r\n"
    "var ln=new Array(\r\n"
    "  '0+Home+index.html',\r\n"
    "  '1+Story+news/a.html',\r\n"
    "  '2+Guide+docs/g.html',\r\n"
    "  '1+Other+news/b.html'\r\n"
    ");\r\n"
    "var ds=new Array(\r\n  '',\r\n  '',\r\n  '',\r\n  ''\r\n);\r\n"
    "var kw=new Array(\r\n  'home',\r\n  '',\r\n  'x+dont_update',\r\n  ''\r\n);\r\n"
    "var cg=new Array(\r\n  'News',\r\n  'Docs',\r\n  'Misc'\r\n);\r\n"
    "//DatabaseEnd\r\n</script></html>\r\n";

} // namespace

void WindowTest::OpenExample() {
    Window->HandleCommandLine({Folder.Write("svxdb.js", Engine)});
}

void WindowTest::OpenEmpty() {
    Window->HandleCommandLine(
        {Folder.Write("svxdb.js", "<script>\r\n//Settings\r\n//DatabaseEnd\r\n</script>\r\n")});
}

void WindowTest::Show(bool categories) {
    Window->Run(categories ? Action::ViewCat : Action::ViewLinks);
}

std::string WindowTest::LinkUrls() const {
    std::string urls;
    for (std::int32_t i = 0; i < Base->Count(); ++i) {
        urls += (i > 0 ? " " : "") + Base->GetLink(i).URL;
    }
    return urls;
}

std::string WindowTest::CategoryNames() const {
    std::string names;
    for (std::int32_t i = 0; i < Cat->Count(); ++i) {
        names += (i > 0 ? " " : "") + Cat->GetName(i);
    }
    return names;
}

std::string WindowTest::LinkCategories() const {
    std::string categories;
    for (std::int32_t i = 0; i < Base->Count(); ++i) {
        categories += std::to_string(Base->GetLink(i).Category);
    }
    return categories;
}
