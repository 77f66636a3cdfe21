#include "convert/rtf_to_html.h"

#include "convert/in_out_error.h"
#include "convert/rtf_reader.h"
#include "platform/files.h"

#include <algorithm>

namespace {

// The lines of a text file, their ends (CR, LF or CR LF) removed.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

bool HasOption(const std::vector<std::string>& options, const char* name) {
    return std::find(options.begin(), options.end(), name) != options.end();
}

} // namespace

void RtfToHtml(const std::string& inputPath, const std::string& outputPath,
               const std::vector<std::string>& options) {
    std::string input;
    if (!ReadWholeFile(inputPath, input)) {
        ThrowInOutError("Cannot read file", inputPath);
    }
    OutputFile output;
    if (!output.Create(outputPath)) {
        ThrowInOutError("Cannot create file", outputPath);
    }
    RtfOptions chosen;
    chosen.NoFonts = HasOption(options, "noFonts");
    chosen.Optimize = HasOption(options, "optimize");
    chosen.OnlyDefiniteOpt = HasOption(options, "onlyDefiniteOpt");
    RtfReader reader(SplitLines(input), chosen);
    std::exception_ptr failure;
    try {
        reader.Convert(inputPath);
    } catch (const std::exception&) {
        failure = std::current_exception();
    }
    if (!output.Write(reader.Html()) || !output.Close()) {
        ThrowInOutError("Cannot write file", outputPath);
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}
