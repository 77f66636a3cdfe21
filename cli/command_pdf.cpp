// pdfinfo and pdftext: docsift's exports from the command line.
#include "cli/cli_command.h"
#include "cli/json_text.h"
#include "docsift/docsift.h"
#include "platform/vmem.h"

#include <cstring>
#include <iostream>
#include <memory>

namespace {

int RunPdfInfo(const std::string& file) {
    DocInfo info{};
    if (GetDocInfo(file.c_str(), &info) == 0) {
        std::cerr << "No document information in " << file << "\n";
        return 1;
    }
    const Json fields = {
        {"Title", JsonText(info.Title)},
        {"Author", JsonText(info.Author)},
        {"Keywords", JsonText(info.Keywords)},
        {"Subject", JsonText(info.Subject)},
        {"Creator", JsonText(info.Creator)},
        {"Producer", JsonText(info.Producer)},
        {"CreationDate", JsonText(info.CreationDate)},
        {"ModDate", JsonText(info.ModDate)},
        {"PageCount", info.PageCount},
    };
    std::cout << fields.dump(1) << '\n';
    return 0;
}

struct PdfTextOptions {
    std::string File;
    std::int32_t First = 0;
    std::int32_t Last = 0;
    bool ContentOrder = false;
    std::int32_t Utf16ByteOrder = -1; // -1: 8-bit text
};

int RunPdfText(const PdfTextOptions& options) {
    const char* file = options.File.c_str();
    void* block = nullptr;
    std::size_t size = 0;
    if (options.Utf16ByteOrder < 0) {
        char* text = options.ContentOrder
                         ? GetTextContent(file, options.First, options.Last)
                         : GetTextContentFormated(file, options.First, options.Last);
        block = text;
        size = text ? std::strlen(text) : 0;
    } else {
        double length = 0;
        block = options.ContentOrder
                    ? GetUnicodeTextContent(file, options.First, options.Last, &length,
                                            options.Utf16ByteOrder)
                    : GetUnicodeTextContentFormated(file, options.First, options.Last, &length,
                                                    options.Utf16ByteOrder);
        size = static_cast<std::size_t>(length);
    }
    if (!block) {
        std::cerr << "No text from " << options.File << "\n";
        return 1;
    }
    std::cout.write(static_cast<const char*>(block), static_cast<std::streamsize>(size));
    VirtualFree(block, 0, MEM_RELEASE);
    return 0;
}

} // namespace

void AddPdfCommands(CLI::App& app, CliOptions& options) {
    auto infoFile = std::make_shared<std::string>();
    CLI::App* info =
        app.add_subcommand("pdfinfo", "Print the document information of a PDF as JSON");
    info->add_option("FILE", *infoFile, "the PDF file")->required();
    info->callback([&options, infoFile] { options.ExitStatus = RunPdfInfo(*infoFile); });

    auto text = std::make_shared<PdfTextOptions>();
    CLI::App* command = app.add_subcommand("pdftext", "Print the text of a PDF's pages");
    command->add_option("FILE", text->File, "the PDF file")->required();
    command->add_option("--first", text->First, "the first page, from 1 (0: the first)");
    command->add_option("--last", text->Last, "the last page (0: the last)");
    command->add_flag("--content-order", text->ContentOrder,
                      "the order in which the pages draw their text");
    command
        ->add_option("--utf16", text->Utf16ByteOrder, "UTF-16 text: 1 little-endian, 0 big-endian")
        ->check(CLI::Range(0, 1));
    command->callback([&options, text] { options.ExitStatus = RunPdfText(*text); });
}
