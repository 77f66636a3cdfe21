// A site folder made of real documents: the HTML pages of the documentation
// packages, a few real PDFs, the RTF corpus of the tests and MP3 files.
#pragma once

#include <string>
#include <vector>

// Builds the site below folder, with at most pdfs PDFs, and answers its path
// (with a trailing "/").
std::string MakeMixedSite(const std::string& folder, const std::string& rtfCorpus,
                          const std::string& mp3, const std::vector<std::string>& mp3Names,
                          std::size_t pdfs = 8);
