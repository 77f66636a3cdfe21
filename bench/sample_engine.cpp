#include "bench/sample_engine.h"

#include "app/application.h"
#include "commands/engine_file.h"
#include "platform/files.h"

#include <random>
#include <string>

namespace {

std::string Words(std::mt19937& random, int count) {
    static const char* const words[] = {"harbour", "sailing", "regatta", "dinghy",
                                        "results", "club",    "weather", "lessons",
                                        "members", "season",  "boat's",  "crew"};
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += (i ? " " : "") + std::string(words[random() % 12]);
    }
    return text;
}

} // namespace

void MakeSampleEngine(std::size_t links, Ui& ui) {
    std::mt19937 random(5);
    for (int i = 0; i < 12; ++i) {
        Cat->Add("Category " + std::to_string(i));
    }
    for (std::size_t i = 0; i < links; ++i) {
        TBaseRecord link;
        link.Category = static_cast<std::int32_t>(random() % 12);
        link.Caption = Words(random, 5);
        link.URL = "docs/section" + std::to_string(i % 40) + "/page" + std::to_string(i) + ".html";
        link.Description = Words(random, 20);
        for (int k = 0; k < 15; ++k) {
            link.Keywords.push_back(Words(random, 1));
        }
        Base->Add(link);
    }
    WriteWholeFile(EngineFileName,
                   "<html><script>\r\n//Settings\r\n//DatabaseEnd\r\n</script></html>");
    SaveEngine(ui);
}
