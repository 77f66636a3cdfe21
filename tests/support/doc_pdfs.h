// Real PDF files of Debian documentation packages (installed by the test
// script), the compressed ones unpacked into a folder of the caller's.
#pragma once

#include <string>
#include <vector>

// Up to `most` PDFs below /usr/share/doc, in path order, none larger than 20 MB.
std::vector<std::string> DocumentationPdfs(const std::string& unpackFolder, std::size_t most);

// Runs a command and answers its standard output.
std::string CommandOutput(const std::string& command);
