#include "indexer/link_addresses.h"

#include "indexer/document_index.h"

TLinkAddresses::TLinkAddresses(const TBase& links) {
    urls_.reserve(static_cast<std::size_t>(links.Count()));
    for (std::int32_t i = 0; i < links.Count(); ++i) {
        urls_.insert(links.LinkAt(i).URL);
    }
}

bool TLinkAddresses::HasLinkForFile(const std::string& file, const std::string& root) const {
    return urls_.count(RelativeUrl(root, file)) > 0;
}

void TLinkAddresses::Add(const std::string& url) {
    urls_.insert(url);
}
