#include "cli/json_text.h"

#include "app/base.h"
#include "platform/ansi.h"

Json JsonText(const std::string& ansi) {
    return AnsiToUtf8(ansi);
}

Json JsonTextList(const std::vector<std::string>& ansi) {
    Json list = Json::array();
    for (const std::string& text : ansi) {
        list.push_back(JsonText(text));
    }
    return list;
}

Json LinkJson(const TBaseRecord& link) {
    return {{"category", link.Category},
            {"caption", JsonText(link.Caption)},
            {"url", JsonText(link.URL)},
            {"description", JsonText(link.Description)},
            {"keywords", JsonTextList(link.Keywords)}};
}
