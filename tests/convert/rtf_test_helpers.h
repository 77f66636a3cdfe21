// Converting RTF text in tests and reading the body of the page.
#pragma once

#include "convert/rtf_to_html.h"
#include "platform/files.h"
#include "support/scratch_folder.h"

#include <string>
#include <vector>

// The whole HTML page of an RTF text.
inline std::string ConvertRtf(const std::string& rtf,
                              const std::vector<std::string>& options = {}) {
    ScratchFolder folder;
    RtfToHtml(folder.Write("in.rtf", rtf), folder.Path() + "out.html", options);
    std::string html;
    ReadWholeFile(folder.Path() + "out.html", html);
    return html;
}

// The page between the BODY line and "</BODY>", line breaks removed.
inline std::string RtfBody(const std::string& rtf, const std::vector<std::string>& options = {}) {
    const std::string html = ConvertRtf(rtf, options);
    const std::size_t start = html.find('\n', html.find("<BODY")) + 1;
    std::string body = html.substr(start, html.find("</BODY>") - start);
    std::string joined;
    for (const char c : body) {
        if (c != '\n') {
            joined += c;
        }
    }
    return joined;
}
