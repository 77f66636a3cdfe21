// The addresses of a base's links in a hash set, for a scan that asks of
// every file whether it has a link already.
#pragma once

#include "app/base.h"

#include <string>
#include <unordered_set>

class TLinkAddresses {
  public:
    explicit TLinkAddresses(const TBase& links);

    // What HasLinkForFile answers for the base as it was made, and with the
    // addresses added since.
    bool HasLinkForFile(const std::string& file, const std::string& root) const;
    void Add(const std::string& url);

  private:
    std::unordered_set<std::string> urls_;
};
