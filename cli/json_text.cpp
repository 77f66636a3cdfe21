#include "cli/json_text.h"

#include "app/base.h"
#include "app/engine_encoding.h"

Json JsonText(const std::string& text) {
    return EngineTextToUtf8(text);
}

Json JsonTextList(const std::vector<std::string>& texts) {
    Json list = Json::array();
    for (const std::string& text : texts) {
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
