#include "cli/cli_ui.h"

#include "app/engine_encoding.h"

#include <iostream>

void CliUi::ShowMessage(const std::string& text, const std::string&, MessageIcon icon) {
    failed_ = failed_ || icon == MessageIcon::Error;
    std::cerr << EngineTextToUtf8(text) << '\n';
}

Answer CliUi::Ask(const std::string& text, const std::string&, MessageIcon, MessageButtons) {
    std::cerr << EngineTextToUtf8(text) << " No\n";
    return Answer::No;
}
