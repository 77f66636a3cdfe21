#include "support/pdf_writer.h"

#include <cstdio>
#include <sstream>

namespace {

std::string Hex(std::uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

// A code point as UTF-16BE hex, with a surrogate pair above U+FFFF.
std::string Utf16Hex(char32_t c) {
    if (c < 0x10000) {
        return Hex(c, 4);
    }
    const std::uint32_t v = c - 0x10000;
    return Hex(0xD800 + (v >> 10), 4) + Hex(0xDC00 + (v & 0x3FF), 4);
}

// A PDF literal string with its bytes escaped.
std::string Literal(const std::string& bytes) {
    std::string out = "(";
    for (const char c : bytes) {
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + ")";
}

} // namespace

std::string WritePdf(const PdfDocument& document) {
    // One byte code per distinct character, from 1 on.
    std::map<char32_t, int> codes;
    for (const PdfPage& page : document.Pages) {
        for (const PdfText& text : page.Texts) {
            for (const char32_t c : text.Text) {
                codes.emplace(c, static_cast<int>(codes.size()) + 1);
            }
        }
    }

    std::vector<std::string> objects; // object n is objects[n - 1]
    const int pageCount = static_cast<int>(document.Pages.size());
    // Objects: 1 catalog, 2 page tree, 3 font, 4 its ToUnicode map, then a page
    // and its content for every page, then the information dictionary.
    const int firstPageObject = 5;
    std::string kids;
    for (int i = 0; i < pageCount; ++i) {
        kids += std::to_string(firstPageObject + 2 * i) + " 0 R ";
    }
    objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    objects.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pageCount) +
                      " >>");
    std::string widths;
    for (int code = 1; code <= 255; ++code) {
        widths += std::to_string(static_cast<int>(PdfCharacterWidth * 1000)) + " ";
    }
    objects.push_back(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /FirstChar 1 /LastChar 255 /Widths [" +
        widths + "] /ToUnicode 4 0 R >>");
    std::string cmap =
        "/CIDInit /ProcSet findresource begin 12 dict begin begincmap\n"
        "/CMapName /Test def /CMapType 2 def\n1 begincodespacerange <00> <FF> endcodespacerange\n";
    for (auto it = codes.begin(); it != codes.end();) {
        std::string entries;
        int count = 0;
        for (; it != codes.end() && count < 100; ++it, ++count) {
            entries += "<" + Hex(static_cast<std::uint32_t>(it->second), 2) + "> <" +
                       Utf16Hex(it->first) + ">\n";
        }
        cmap += std::to_string(count) + " beginbfchar\n" + entries + "endbfchar\n";
    }
    cmap += "endcmap CMapName currentdict /CMap defineresource pop end end\n";
    objects.push_back("<< /Length " + std::to_string(cmap.size()) + " >>\nstream\n" + cmap +
                      "endstream");
    for (int i = 0; i < pageCount; ++i) {
        std::ostringstream content;
        for (const PdfText& text : document.Pages[i].Texts) {
            std::string hex;
            for (const char32_t c : text.Text) {
                hex += Hex(static_cast<std::uint32_t>(codes[c]), 2);
            }
            content << "BT /F1 " << text.Size << " Tf " << text.X << " " << text.Y << " Td <" << hex
                    << "> Tj ET\n";
        }
        const std::string stream = content.str();
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Resources << "
                          "/Font << /F1 3 0 R >> "
                          ">> /Contents " +
                          std::to_string(firstPageObject + 2 * i + 1) + " 0 R >>");
        objects.push_back("<< /Length " + std::to_string(stream.size()) + " >>\nstream\n" + stream +
                          "endstream");
    }
    std::string trailerInfo;
    if (document.Info) {
        std::string info = "<< ";
        for (const auto& [key, value] : *document.Info) {
            info += "/" + key + " " + Literal(value) + " ";
        }
        objects.push_back(info + ">>");
        trailerInfo = " /Info " + std::to_string(objects.size()) + " 0 R";
    }

    std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets) {
        char entry[32];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        pdf += entry;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R" +
           trailerInfo + " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}
