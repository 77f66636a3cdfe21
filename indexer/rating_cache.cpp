#include "indexer/rating_cache.h"

#include "app/app_settings.h"
#include "app/engine_encoding.h"

namespace {

std::array<std::string, 3> RatingSettingsFiles() {
    return {SettingsFilePath("tags.xml"), SettingsFilePath("words.xml"),
            SettingsFilePath("set.xml")};
}

} // namespace

bool LoadRatingSettings(TRating& rating) {
    const std::array<std::string, 3> paths = RatingSettingsFiles();
    rating.Utf8 = EngineEncoding == TEngineEncoding::Utf8;
    return rating.LoadSettings(paths[0], paths[1], paths[2]);
}

TRating& TRatingCache::Rating() {
    const auto now = std::chrono::steady_clock::now();
    if (loaded_ && !everyPage_ && now - checked_ < CheckInterval &&
        (EngineEncoding == TEngineEncoding::Utf8) == rating_.Utf8) {
        return rating_;
    }
    checked_ = now;
    const std::array<std::string, 3> paths = RatingSettingsFiles();
    // Stamped before reading: a change made while the files are read shows
    // at the next page.
    std::array<FileStamp, 3> stamps;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        stamps[i] = StampOf(paths[i]);
    }
    const bool utf8 = EngineEncoding == TEngineEncoding::Utf8;
    if (everyPage_ || !loaded_ || paths != paths_ || stamps != stamps_ || utf8 != rating_.Utf8) {
        loaded_ = false;
        // A fresh rating, so that a key taken out of set.xml falls back to its
        // default as it does for settings read anew.
        rating_ = TRating();
        rating_.Utf8 = utf8;
        rating_.LoadSettings(paths[0], paths[1], paths[2]);
        rating_.FixSettings();
        paths_ = paths;
        stamps_ = stamps;
        loaded_ = true;
    }
    return rating_;
}
