// Turning the core's Windows-1252 text into JSON (UTF-8).
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

using Json = nlohmann::ordered_json;

Json JsonText(const std::string& ansi);
Json JsonTextList(const std::vector<std::string>& ansi);

struct TBaseRecord;
// One link in the form of `dump`.
Json LinkJson(const TBaseRecord& link);
