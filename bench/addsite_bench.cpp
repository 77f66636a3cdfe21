// sitevane-cli addsite over a real documentation tree (the HTML pages of the
// tests' documentation packages with PDFs, RTFs and MP3s mixed in): files per
// second (the files it indexes, not those it walks past) and peak memory,
// beside a plain read of the same files in the same run.
//
//   bench_addsite
#include "app/base.h"
#include "bench/best_time.h"
#include "platform/files.h"
#include "support/mixed_site.h"
#include "support/scratch_folder.h"

#include <chrono>
#include <filesystem>
#include <iostream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

int main() {
    ScratchFolder folder;
    const std::string site =
        MakeMixedSite(folder.Path(), RTF_CORPUS,
                      std::string(EXAMPLE_SITE) + "/media/start-signal.mp3", {"a.mp3"});
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(site)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path().string());
        }
    }
    const std::string engine = site + "svxdb.js";

    const double read = BestSeconds([&] {
        std::string data;
        for (const std::string& file : files) {
            ReadWholeFile(file, data);
        }
    });
    double scan = 1e300;
    long peakKilobytes = 0;
    for (int round = 0; round < 3; ++round) {
        WriteWholeFile(engine, "<script>\n//Settings\n//DatabaseEnd\n</script>");
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = ::fork();
        if (child == 0) {
            const std::string cli = SITEVANE_CLI;
            const std::string setup = cli.substr(0, cli.rfind('/') + 1);
            ::execl(cli.c_str(), cli.c_str(), "--setup", setup.c_str(), "addsite", engine.c_str(),
                    site.c_str(), "0", "--recurse", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        int status = 0;
        rusage usage{};
        ::wait4(child, &status, 0, &usage);
        scan = std::min(
            scan, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        peakKilobytes = std::max(peakKilobytes, usage.ru_maxrss);
    }
    TBase links;
    links.LoadFromFile(engine);
    const double count = links.Count();
    std::cout << files.size() << " files, " << links.Count() << " indexed\n"
              << "addsite: " << count / scan << " files/s (" << scan << " s), peak memory "
              << peakKilobytes / 1024 << " MB\n"
              << "plain read: " << static_cast<double>(files.size()) / read << " files/s (" << read
              << " s)\n"
              << "ratio (addsite / read): " << scan / read << "\n";
    return 0;
}
