#include "support/engine_fixture.h"

std::string EngineTest::Content(const std::string& path) const {
    return FileContent(path);
}

TBaseRecord MakeLink(std::int32_t category, const std::string& caption, const std::string& url,
                     const std::string& description, std::vector<std::string> keywords) {
    TBaseRecord link;
    link.Category = category;
    link.Caption = caption;
    link.URL = url;
    link.Description = description;
    link.Keywords = std::move(keywords);
    return link;
}
