// index: one file turned into a link, as the site scan does it.
#include "app/application.h"
#include "app/engine_encoding.h"
#include "cli/cli_command.h"
#include "cli/json_text.h"
#include "indexer/document_index.h"

#include <filesystem>
#include <iostream>
#include <memory>

void AddIndexCommand(CLI::App& app, CliOptions& options) {
    auto file = std::make_shared<std::string>();
    auto engine = std::make_shared<std::string>();
    CLI::App* command = app.add_subcommand(
        "index", "Index FILE as a link of the engine file ENGINE and print the link as JSON");
    command->add_option("FILE", *file, "the file to index")->required();
    command->add_option("ENGINE", *engine, "the engine file the link's address is relative to")
        ->required();
    command->callback([&options, file, engine] {
        if (!CanReadInput(*file)) {
            options.ExitStatus = 1;
            return;
        }
        StartCore(options);
        // Addresses are made between full paths, as the window program has them.
        const std::string fullFile = std::filesystem::absolute(*file).lexically_normal().string();
        const std::string fullEngine =
            std::filesystem::absolute(*engine).lexically_normal().string();
        EngineEncoding = EngineFileEncoding(fullEngine);
        TBaseRecord record;
        IndexFile(fullFile, fullEngine, record);
        std::cout << LinkJson(record).dump(1) << '\n';
        options.ExitStatus = 0;
    });
}
