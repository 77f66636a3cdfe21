#include "convert/rtf_to_html.h"

#include "convert/in_out_error.h"
#include "convert/rtf_reader.h"
#include "platform/files.h"

#include <algorithm>

namespace {

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
    chosen.Unicode = HasOption(options, "unicode");
    RtfReader reader(TextLines(input), chosen);
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
