// HTML pages of Debian documentation packages, the real pages that tests and
// measurements rate.
#pragma once

#include <string>
#include <vector>

struct DocPackage {
    std::string Name;
    std::string Folder;
};

// The documentation packages the test script installs.
const std::vector<DocPackage>& DocPackages();

// The .html files below folder, in path order.
std::vector<std::string> HtmlFilesBelow(const std::string& folder);
