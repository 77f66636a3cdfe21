// rtf2html and mp3page: the converters from the command line.
#include "cli/cli_command.h"
#include "convert/mp3_page.h"
#include "convert/rtf_to_html.h"

#include <iostream>
#include <memory>

void AddConvertCommands(CLI::App& app, CliOptions& options) {
    auto paths = std::make_shared<std::vector<std::string>>();
    CLI::App* rtf = app.add_subcommand("rtf2html", "Convert the RTF file IN into the HTML page OUT "
                                                   "(options: noFonts, optimize, onlyDefiniteOpt, unicode)");
    rtf->add_option("IN OUT OPTION", *paths, "input, output and options")
        ->required()
        ->expected(2, -1);
    rtf->callback([&options, paths] {
        RtfToHtml((*paths)[0], (*paths)[1],
                  std::vector<std::string>(paths->begin() + 2, paths->end()));
        options.ExitStatus = 0;
    });

    auto file = std::make_shared<std::string>();
    CLI::App* mp3 =
        app.add_subcommand("mp3page", "Print the HTML page made from an MP3 file's ID3v1 tag");
    mp3->add_option("FILE", *file, "the MP3 file")->required();
    mp3->callback([&options, file] {
        std::cout << Mp3TagToHtml(*file);
        options.ExitStatus = 0;
    });
}
