#include "app/app_settings.h"
#include "cli/cli_command.h"
#include "cli/json_text.h"
#include "indexer/rating_cache.h"

#include <iostream>
#include <memory>

namespace {

int RunRate(const CliOptions& options, const std::string& page) {
    if (!CanReadInput(page)) {
        return 1;
    }
    StartCore(options);
    TRating rating;
    LoadRatingSettings(rating);
    rating.RateFile(page, AppSettings.IndexDepthLimit);
    Json words = Json::array();
    for (const TWordRating& word : rating.Words) {
        words.push_back({{"word", JsonText(word.Word)},
                         {"count", word.Count},
                         {"position", word.Position},
                         {"rating", word.Rating},
                         {"score", word.Score}});
    }
    std::cout << words.dump(1) << '\n';
    return 0;
}

} // namespace

void AddRateCommand(CLI::App& app, CliOptions& options) {
    auto page = std::make_shared<std::string>();
    CLI::App* command = app.add_subcommand(
        "rate",
        "Rate the words of PAGE with the settings files and print the keywords, best first");
    command->add_option("PAGE", *page, "the page to rate")->required();
    command->callback([&options, page] { options.ExitStatus = RunRate(options, *page); });
}
