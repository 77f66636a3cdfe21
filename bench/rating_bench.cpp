// Rating throughput over real documentation pages, beside just reading the same
// files in the same run. Each page is rated as the indexer does it: a fresh
// TRating loads the three settings files, then rates the page.
//
//   bench_rating [benchmark options]
#include "bench/recording_reporter.h"
#include "indexer/rating.h"
#include "platform/files.h"
#include "readers/file_buffer.h"
#include "support/doc_pages.h"

#include <benchmark/benchmark.h>
#include <iostream>

namespace {

std::vector<std::string> Pages;
std::string Setup;

void ReadPages(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& page : Pages) {
            TFileBuffer buffer;
            OpenFileBuffer(buffer, page);
            benchmark::DoNotOptimize(buffer.Data.data());
            CloseFileBuffer(buffer);
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * Pages.size()));
}

void RatePages(benchmark::State& state) {
    const auto limit = static_cast<std::int32_t>(state.range(0) * 1024);
    for (auto _ : state) {
        for (const std::string& page : Pages) {
            TRating rating;
            rating.LoadSettings(Setup + "tags.xml", Setup + "words.xml", Setup + "set.xml");
            rating.RateFile(page, limit);
            benchmark::DoNotOptimize(rating.Words.data());
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * Pages.size()));
}

void LoadSettingsOnly(benchmark::State& state) {
    for (auto _ : state) {
        for (std::size_t i = 0; i < Pages.size(); ++i) {
            TRating rating;
            rating.LoadSettings(Setup + "tags.xml", Setup + "words.xml", Setup + "set.xml");
            benchmark::DoNotOptimize(rating.Tags.data());
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * Pages.size()));
}

} // namespace

BENCHMARK(ReadPages)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadSettingsOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(RatePages)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Setup = ExecutableFolder();
    for (const DocPackage& package : DocPackages()) {
        for (const std::string& page : HtmlFilesBelow(package.Folder)) {
            Pages.push_back(page);
        }
    }
    if (Pages.empty()) {
        std::cerr << "No documentation pages; run scripts/install-deps.sh.\n";
        return 1;
    }
    std::cout << Pages.size() << " pages\n";
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double read = reporter.Counter("ReadPages", "items_per_second");
    for (const char* name : {"LoadSettingsOnly", "RatePages/1", "RatePages/64"}) {
        const double speed = reporter.Counter(name, "items_per_second");
        if (read > 0 && speed > 0) {
            std::cout << name << ": " << speed << " pages/s, " << read / speed
                      << " times the time of reading the pages (" << read << " pages/s)\n";
        }
    }
    benchmark::Shutdown();
    return 0;
}
