#include "support/mixed_site.h"

#include "support/doc_pages.h"
#include "support/doc_pdfs.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string MakeMixedSite(const std::string& folder, const std::string& rtfCorpus,
                          const std::string& mp3, const std::vector<std::string>& mp3Names,
                          std::size_t pdfs) {
    const std::string site = folder + "site/";
    fs::create_directories(site + "media");
    for (const DocPackage& package : DocPackages()) {
        fs::copy(package.Folder, site + package.Name, fs::copy_options::recursive);
    }
    for (const std::string& pdf : DocumentationPdfs(folder, pdfs)) {
        fs::copy_file(pdf, site + "pdf-" + fs::path(pdf).filename().string(),
                      fs::copy_options::overwrite_existing);
    }
    fs::copy(rtfCorpus, site + "rtf");
    for (const std::string& name : mp3Names) {
        fs::copy_file(mp3, site + "media/" + name);
    }
    return site;
}
