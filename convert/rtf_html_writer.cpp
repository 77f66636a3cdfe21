#include "convert/rtf_html_writer.h"

#include "convert/html_text.h"

#include "platform/integer_text.h"

namespace {

// Removes every occurrence of pattern; true when one was found.
bool RemoveAll(std::string& text, const std::string& pattern) {
    bool removed = false;
    std::size_t at = 0;
    while ((at = text.find(pattern, at)) != std::string::npos) {
        text.erase(at, pattern.size());
        removed = true;
    }
    return removed;
}

const char* const OptimizedPairs[] = {
    "<B></B>",
    "<I></I>",
    "<U></U>",
    "</B><B>",
    "</I><I>",
    "</U><U>",
    "<SUP></SUP>",
    "<SUB></SUB>",
    "<S></S>",
    "</SUP><SUP>",
    "</SUB><SUB>",
    "</S><S>",
    "<CENTER></CENTER>",
    "</CENTER><CENTER>",
    "<DIV ALIGN=right></DIV>",
    "</DIV><DIV ALIGN=right>",
};

// The first cut of work: just after its first "<P>", else after its first "<BR>".
std::size_t FindCut(const std::string& work) {
    std::size_t at = work.find("<P>");
    if (at != std::string::npos) {
        return at + 3;
    }
    at = work.find("<BR>");
    return at == std::string::npos ? std::string::npos : at + 4;
}

constexpr std::size_t LongLine = 100;

} // namespace

unsigned char HexPairValue(const std::string& pair) {
    const int high = pair.size() == 2 ? HexDigitValue(pair[0]) : -1;
    const int low = pair.size() == 2 ? HexDigitValue(pair[1]) : -1;
    if (high < 0 || low < 0) {
        throw ConversionError("$" + pair);
    }
    return static_cast<unsigned char>(high * 16 + low);
}

std::string RtfHtmlWriter::EmitText(const std::string& text, const TFormat& format) {
    std::string html;
    if (FormatChanged) {
        html += CloseAllTags();
    }
    if (ParagraphStart) {
        html += format.Centred ? "<CENTER>" : format.Right ? "<DIV ALIGN=right>" : "";
    }
    if (FormatChanged || ParagraphStart) {
        html += OpenFormatTags(format);
    }
    FormatChanged = false;
    ParagraphStart = false;
    if (TocLinkMode && TocNewParagraph) {
        TocNewParagraph = false;
        TocLinkOpen = true;
        const int count = ++tocCount_[TocLinkLevel];
        html += "<A HREF=\"#" + std::to_string(TocLinkLevel) + "-" + std::to_string(count) + "\">";
    }
    if (HeadingAnchor) {
        const int count = ++headingCount_[HeadingAnchorLevel];
        html +=
            "<A NAME=\"" + std::to_string(HeadingAnchorLevel) + "-" + std::to_string(count) + "\">";
    }
    if (!format.Hidden) {
        if (text.size() == 1) {
            const char c = text[0];
            html += HtmlEscaped(format.Caps && c >= 'a' && c <= 'z'
                                    ? std::string(1, static_cast<char>(c - 'a' + 'A'))
                                    : text);
        } else if (text.size() == 2) {
            if (text == "c4") {
                html += "&Auml;";
            } else if (text == "d6") {
                html += "&Ouml;";
            } else if (text == "dc") {
                html += "&Uuml;";
            } else if (text == "e4") {
                html += format.Caps ? "&Auml;" : "&auml;";
            } else if (text == "f6") {
                html += format.Caps ? "&Ouml;" : "&ouml;";
            } else if (text == "fc") {
                html += format.Caps ? "&Uuml;" : "&uuml;";
            } else if (text == "df") {
                html += "&szlig;";
            } else if (text == "b7") {
                html += "&middot;";
            } else {
                html += HtmlEscaped(std::string(1, static_cast<char>(HexPairValue(text))));
            }
        } else if (text == "&pict;") {
            html += "<P>[*** picture ***]<P>";
        } else if (text.compare(0, 2, "&#") == 0) {
            html += text; // a character reference, written as it is
        } else if (text.compare(0, 2, "&&") == 0) {
            html += HtmlEscaped(text.substr(2));
        } else if (text == "&tab;") {
            for (int i = 0; i < 8; ++i) {
                html += "&nbsp;";
            }
        } else if (text == "&quote;") {
            html += "'";
        } else if (text == "&dblquote;") {
            html += "&quot;";
        } else if (text == "&emspace;") {
            html += "&nbsp;&nbsp;";
        } else if (text == "&enspace;" || text == "&nbsp;") {
            html += "&nbsp;";
        } else if (text == "&emdash;") {
            html += "--";
        } else if (text == "&endash;") {
            html += "-";
        }
    }
    if (HeadingAnchor) {
        html += "</A>";
        HeadingAnchor = false;
    }
    return html;
}

std::string RtfHtmlWriter::Push(const std::string& opening, const std::string& closing) {
    openTags_.push_back({opening, closing});
    return opening;
}

std::string RtfHtmlWriter::OpenFormatTags(const TFormat& format) {
    std::string html;
    const std::pair<bool, const char*> flags[] = {
        {format.Bold, "B"},        {format.Italic, "I"},        {format.Underline, "U"},
        {format.Subscript, "SUB"}, {format.Superscript, "SUP"}, {format.Strike, "S"}};
    for (const auto& [on, name] : flags) {
        if (on) {
            html += Push(std::string("<") + name + ">", std::string("</") + name + ">");
        }
    }
    if (format.Colour != "none") {
        html += Push("<FONT COLOR=\"" + format.Colour + "\">", "</FONT>");
    }
    if (format.Font >= 0) {
        html += Push("<FONT FACE=\"" + FontName(format.Font) + "\">", "</FONT>");
    }
    if (format.Size >= 0) {
        html += Push(FontSizeTag(format.Size), "</FONT>");
    }
    return html;
}

std::string RtfHtmlWriter::CloseAllTags() {
    std::string html;
    while (!openTags_.empty()) {
        html += openTags_.back().Closing;
        openTags_.pop_back();
    }
    return html;
}

std::string RtfHtmlWriter::FontSizeTag(int points) {
    if (points == 12) {
        return "<FONT SIZE=+0>";
    }
    const char* value = points <= 8    ? "-2"
                        : points <= 11 ? "-1"
                        : points <= 15 ? "+1"
                        : points <= 20 ? "+2"
                        : points <= 28 ? "+3"
                                       : "+4";
    return std::string("<FONT SIZE=") + value + ">";
}

std::string RtfHtmlWriter::FontName(int number) const {
    for (const TFont& font : fonts_) {
        if (font.Number == number) {
            return font.Name;
        }
    }
    return "";
}

void RtfHtmlWriter::WriteHtml(const std::string& html) {
    if (html.empty()) {
        return;
    }
    // A clean pending output without a cut stays so when text without "<" or
    // ">" is added: every clean-up pattern and every cut holds both. The full
    // procedure would then give the same result, at a cost that grows with the
    // pending output (long runs of text without a break).
    if (pendingClean_ && html.find_first_of("<>") == std::string::npos) {
        pending_ += html;
        return;
    }
    pending_ += html;
    std::string work = CleanUpHtml(pending_);
    std::size_t cut = FindCut(work);
    if (cut == std::string::npos && work.size() <= LongLine) {
        pendingClean_ = false;
        return;
    }
    pendingClean_ = true;
    while (cut != std::string::npos) {
        WriteLine(LinkUrls(work.substr(0, cut)));
        work.erase(0, cut);
        cut = FindCut(work);
    }
    pending_ = work;
    if (pending_.size() > LongLine && pending_.back() == '>') {
        const char before = pending_[pending_.size() - 2];
        if (before != 'L' && before != 'A') {
            WriteLine(LinkUrls(pending_));
            pending_.clear();
        }
    }
}

void RtfHtmlWriter::FlushPending() {
    if (!pending_.empty()) {
        WriteLine(pending_);
        pending_.clear();
    }
    pendingClean_ = true;
}

std::string RtfHtmlWriter::CleanUpHtml(std::string html) const {
    bool changed = true;
    while (changed) {
        changed = false;
        if (Optimize) {
            for (const char* pair : OptimizedPairs) {
                changed = RemoveAll(html, pair) || changed;
            }
        }
        changed = RemoveAll(html, "<UL></UL>") || changed;
        changed = RemoveAll(html, "</UL><UL>") || changed;
        if (Optimize) {
            for (const std::string& pattern : cleanUpPatterns_) {
                changed = RemoveAll(html, pattern) || changed;
            }
        }
    }
    return html;
}

std::string RtfHtmlWriter::LinkUrls(const std::string& line) {
    std::string linked;
    std::size_t at = 0;
    std::size_t start;
    while ((start = line.find("http://", at)) != std::string::npos) {
        std::size_t end = line.find_first_of(" ,<", start + 7);
        if (end == std::string::npos) {
            end = line.size();
        }
        const std::string address = line.substr(start, end - start);
        linked += line.substr(at, start - at) + "<A HREF=\"" + address + "\">" + address + "</A>";
        at = end;
    }
    return linked + line.substr(at);
}

void RtfHtmlWriter::AddCleanUpPattern(const std::string& pattern) {
    cleanUpPatterns_.insert(cleanUpPatterns_.begin(), pattern);
}
