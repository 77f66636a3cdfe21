// The rating settings of a run over many pages (a site scan, an update): read
// once and again only when tags.xml, words.xml or set.xml changed on disk, so
// that every page is rated as with settings read just for it.
#pragma once

#include "indexer/rating.h"
#include "platform/files.h"

#include <array>
#include <string>

class TRatingCache {
  public:
    // The rating for the next page, with the settings of the three files in
    // setupDir. Raises ConversionError as LoadSettings does, every time.
    TRating& Rating(const std::string& setupDir);

  private:
    std::string setupDir_;
    std::array<FileStamp, 3> stamps_{};
    bool loaded_ = false;
    TRating rating_;
};
