#include "cli/cli_command.h"
#include "cli/json_text.h"
#include "readers/tokens.h"

#include <iostream>
#include <memory>

namespace {

int RunTokens(const std::string& file) {
    TFileBuffer buffer;
    if (!OpenFileBuffer(buffer, file)) {
        std::cerr << "Cannot open file " << file << "\n";
        return 1;
    }
    std::string text;
    TTokenKind kind;
    do {
        kind = NextToken(buffer, text);
        const Json token = {
            {"kind", kind}, {"name", TokenKindName(kind)}, {"text", JsonText(text)}};
        std::cout << token.dump() << '\n';
    } while (kind != tkEnd);
    CloseFileBuffer(buffer);
    return 0;
}

} // namespace

void AddTokensCommand(CLI::App& app, CliOptions& options) {
    auto file = std::make_shared<std::string>();
    CLI::App* command =
        app.add_subcommand("tokens", "Print the markup tokens of FILE, one JSON object a line");
    command->add_option("FILE", *file, "the file to scan")->required();
    command->callback([&options, file] { options.ExitStatus = RunTokens(*file); });
}
