// NextToken over a large real HTML page, beside a plain byte loop over the same
// buffer in the same run. Prints both speeds and their ratio.
//
//   bench_tokens [PAGE.html] [benchmark options]
// Without a page, the largest .html file under /usr/share/doc is taken.
#include "bench/largest_page.h"
#include "bench/recording_reporter.h"
#include "readers/tokens.h"

#include <benchmark/benchmark.h>
#include <iostream>

namespace {

TFileBuffer Page;

void ByteLoop(benchmark::State& state) {
    for (auto _ : state) {
        Page.Position = 0;
        unsigned sum = 0;
        int c;
        while ((c = ReadByte(Page)) >= 0) {
            sum += static_cast<unsigned>(c);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * Page.Size);
}

// Every token's text is looked at (its size summed), so that no part of the
// scan can be left out.
void NextTokenScan(benchmark::State& state) {
    std::string_view text;
    std::size_t tokens = 0;
    for (auto _ : state) {
        Page.Position = 0;
        Page.PendingSpace = false;
        std::size_t textBytes = 0;
        while (NextToken(Page, text) != tkEnd) {
            ++tokens;
            textBytes += text.size();
        }
        benchmark::DoNotOptimize(textBytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * Page.Size);
    state.counters["tokens"] = static_cast<double>(tokens / state.iterations());
}

} // namespace

BENCHMARK(ByteLoop);
BENCHMARK(NextTokenScan);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const std::string path = argc > 1 ? argv[1] : LargestHtmlFile("/usr/share/doc");
    if (path.empty() || !OpenFileBuffer(Page, path)) {
        std::cerr << "No HTML page to scan; name one on the command line.\n";
        return 1;
    }
    std::cout << "page: " << path << " (" << Page.Size << " bytes)\n";
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double loop = reporter.Counter("ByteLoop", "bytes_per_second");
    const double scan = reporter.Counter("NextTokenScan", "bytes_per_second");
    if (loop > 0 && scan > 0) {
        std::cout << "byte loop " << loop / 1e6 << " MB/s, NextToken " << scan / 1e6
                  << " MB/s, ratio (byte loop / NextToken) " << loop / scan << "\n";
    }
    benchmark::Shutdown();
    return 0;
}
