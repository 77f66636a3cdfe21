// mp3page (and the RTF converter's command): the converters from the command line.
#include "cli/cli_command.h"
#include "convert/mp3_page.h"

#include <iostream>
#include <memory>

void AddConvertCommands(CLI::App& app, CliOptions& options) {
    auto file = std::make_shared<std::string>();
    CLI::App* mp3 = app.add_subcommand("mp3page", "Print the HTML page made from an MP3 file's ID3v1 tag");
    mp3->add_option("FILE", *file, "the MP3 file")->required();
    mp3->callback([&options, file] {
        std::cout << Mp3TagToHtml(*file);
        options.ExitStatus = 0;
    });
}
