// Saving and opening an engine file of 100,000 links, each beside a plain copy of
// the same file (read whole, written whole) in the same run.
#include "app/app_settings.h"
#include "app/application.h"
#include "bench/recording_reporter.h"
#include "bench/sample_engine.h"
#include "commands/engine_file.h"
#include "platform/files.h"

#include <benchmark/benchmark.h>
#include <iostream>
#include <unistd.h>

namespace {

class SilentUi : public Ui {
  public:
    void ShowMessage(const std::string& text, const std::string&, MessageIcon) override {
        std::cerr << text << "\n";
    }
    Answer Ask(const std::string&, const std::string&, MessageIcon, MessageButtons) override {
        return Answer::No;
    }
    void RefreshView() override {}
};

SilentUi Person;
std::string Folder;

void PlainCopy(benchmark::State& state) {
    std::string data;
    for (auto _ : state) {
        ReadWholeFile(EngineFileName, data);
        WriteWholeFile(Folder + "copy.html", data);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}

void Save(benchmark::State& state) {
    for (auto _ : state) {
        SaveEngine(Person);
    }
}

void Open(benchmark::State& state) {
    for (auto _ : state) {
        OpenEngine(EngineFileName, Person);
    }
}

} // namespace

BENCHMARK(PlainCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(Save)->Unit(benchmark::kMillisecond);
BENCHMARK(Open)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    char pattern[] = "/tmp/sitevane-bench-XXXXXX";
    Folder = WithTrailingSeparator(::mkdtemp(pattern));
    ApplyDefaultFolders(AppSettings, Folder);
    Cat = std::make_unique<TCat>();
    Base = std::make_unique<TBase>();
    EngineFileName = Folder + "svxdb.js";
    MakeSampleEngine(100000, Person);
    std::string data;
    ReadWholeFile(EngineFileName, data);
    std::cout << "engine file of " << Base->Count() << " links, " << data.size() << " bytes\n";

    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double copy = reporter.Time("PlainCopy");
    for (const char* name : {"Save", "Open"}) {
        std::cout << name << ": " << reporter.Time(name) / copy << " times the plain copy\n";
    }
    DeleteFile(EngineFileName);
    DeleteFile(Folder + "copy.html");
    ::rmdir(Folder.c_str());
    benchmark::Shutdown();
    return 0;
}
