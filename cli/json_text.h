// Turning the open engine's texts into JSON (UTF-8).
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

using Json = nlohmann::ordered_json;

Json JsonText(const std::string& text);
Json JsonTextList(const std::vector<std::string>& texts);

struct TBaseRecord;
// One link in the form of `dump`.
Json LinkJson(const TBaseRecord& link);
