// RTF to a simple HTML page (upper-case tags, no style sheet) that the indexer
// can analyse like any other page.
#pragma once

#include <string>
#include <vector>

// Converts the RTF file at inputPath into an HTML file at outputPath. Options:
// "noFonts", "optimize", "onlyDefiniteOpt", "unicode" (characters beyond
// Windows-1252 become references, see RtfOptions); others are ignored. Raises
// InOutError for files that cannot be read or written (a missing input leaves
// no output) and ConversionError for a malformed hexadecimal escape, after the
// page has been finished and written.
void RtfToHtml(const std::string& inputPath, const std::string& outputPath,
               const std::vector<std::string>& options);
