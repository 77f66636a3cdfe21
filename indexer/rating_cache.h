// The rating settings of a run over many pages (a site scan, an update): read
// once and again only when tags.xml, words.xml or set.xml changed on disk (or
// the person's own copy of one appeared or went), so that every page is rated
// as with settings read just for it. The files are looked at again only when
// a moment passed since they last were: a change shows at most that much
// later, and a run over many small pages spends no time on looking.
#pragma once

#include "indexer/rating.h"
#include "platform/files.h"

#include <array>
#include <chrono>
#include <string>

// Loads the settings files the run reads (each the person's own copy when
// there is one) into rating, for pages in the open engine's encoding.
bool LoadRatingSettings(TRating& rating);

class TRatingCache {
  public:
    // With everyPage set the settings are read anew for every page, as when
    // each page is rated alone.
    explicit TRatingCache(bool everyPage = false) : everyPage_(everyPage) {}

    // The rating for the next page, with the settings files the run reads.
    // Raises ConversionError as LoadSettings does, every time.
    TRating& Rating();

    // How long the settings files' stamps are trusted.
    static constexpr std::chrono::milliseconds CheckInterval{20};

  private:
    std::array<std::string, 3> paths_;
    std::array<FileStamp, 3> stamps_{};
    bool everyPage_;
    bool loaded_ = false;
    std::chrono::steady_clock::time_point checked_;
    TRating rating_;
};
