#include "convert/rtf_reader.h"

#include "convert/html_text.h"

#include "platform/integer_text.h"

#include <algorithm>

namespace {

// Groups nested deeper than this are read without a level of their own, so
// that no input can exhaust the stack.
constexpr int MaximumDepth = 200;
constexpr int MaximumFonts = 201;
constexpr int MaximumStyle = 300;
constexpr int MaximumListDepth = 21;
constexpr int IndentStep = 285; // twips per list level
constexpr std::size_t TableFormatStack = 20;

const char* const SkippedDestinations[] = {
    "bkmkstart", "bkmkend", "filetbl",   "footer",   "footerf",
    "footnote",  "header",  "headerf",   "info",     "levelnumbers",
    "leveltext", "list",    "listlevel", "listname", "listoverridetable",
    "listtable", "pict",    "pntext",    "revtbl",   "sp",
    "template"};

const char* const TableSkippedDestinations[] = {"bkmkstart",    "bkmkend",
                                                "filetbl",      "footer",
                                                "footerf",      "footnote",
                                                "header",       "headerf",
                                                "levelnumbers", "leveltext",
                                                "list",         "listlevel",
                                                "listname",     "listoverridetable",
                                                "listtable",    "pict",
                                                "pntxtb",       "pntxta",
                                                "revtbl",       "sp",
                                                "template"};

template <std::size_t N> bool IsOneOf(const std::string& word, const char* const (&words)[N]) {
    return std::find_if(std::begin(words), std::end(words),
                        [&word](const char* w) { return word == w; }) != std::end(words);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLower(char c) {
    return c >= 'a' && c <= 'z';
}
bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// A number written as text, or fallback.
int NumberOr(const std::string& text, int fallback) {
    std::int32_t value = 0;
    return TryStrToInt(text, value) ? value : fallback;
}

// The parameter of a control word: the word from its third character on.
int Parameter(const std::string& word) {
    return word.size() > 2 ? NumberOr(word.substr(2), 0) : 0;
}

// Removes every occurrence of word, and with withParameter the parameter after
// it up to the next "\" or space.
void RemoveControlWord(std::string& controls, const std::string& word, bool withParameter) {
    std::size_t at = 0;
    while ((at = controls.find(word, at)) != std::string::npos) {
        std::size_t end = at + word.size();
        if (withParameter) {
            end = std::min(controls.find_first_of("\\ ", end), controls.size());
        }
        controls.erase(at, end - at);
    }
}

// A style's control words joined with its base's, the base's indents giving
// way to the style's own.
std::string MergeStyle(std::string base, std::string own) {
    for (const char* word :
         {"\\widctlpar", "\\adjustright", "\\nowidctlpar", "\\keepn", "\\cgrid", "\\widctl"}) {
        RemoveControlWord(own, word, false);
    }
    for (const char* word : {"\\sbasedon", "\\snext", "\\sa", "\\sb", "\\lang", "\\slmult", "\\sl",
                             "\\outlinelevel", "\\kerning", "\\expndtw", "\\expnd", "\\tx"}) {
        RemoveControlWord(own, word, true);
    }
    if (!base.empty() && own.find(base) != std::string::npos) {
        base.clear();
    }
    const bool ownIndents =
        own.find("\\fi") != std::string::npos || own.find("\\li") != std::string::npos;
    const bool baseIndents =
        base.find("\\fi") != std::string::npos || base.find("\\li") != std::string::npos;
    if (ownIndents && baseIndents) {
        RemoveControlWord(base, "\\fi", true);
        RemoveControlWord(base, "\\li", true);
    }
    return base + own;
}

// The last digit 1 to 9 of name from position from on, or 0.
int LastLevelDigit(const std::string& name, std::size_t from) {
    int level = 0;
    for (std::size_t i = from; i < name.size(); ++i) {
        if (name[i] >= '1' && name[i] <= '9') {
            level = name[i] - '0';
        }
    }
    return level;
}

} // namespace

std::vector<std::string> TextLines(const std::string& text) {
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

RtfReader::RtfReader(std::vector<std::string> lines, RtfOptions options)
    : lines_(std::move(lines)), options_(options), writer_(fonts_) {
    tocStyle_.fill(-1);
    headingStyle_.fill(-1);
    writer_.Optimize = options.Optimize;
    if (options.Optimize) {
        for (const char* size : {"-2", "-1", "+0", "+1", "+2", "+3", "+4"}) {
            writer_.AddCleanUpPattern(std::string("<FONT SIZE=") + size + "></FONT>");
        }
    }
}

bool RtfReader::ReadNextLine() {
    if (nextLine_ >= lines_.size()) {
        return false;
    }
    if (appendLines_) {
        line_ += lines_[nextLine_++];
    } else {
        line_ = lines_[nextLine_++];
        pos_ = 0;
    }
    return true;
}

// Makes at least count characters available from the position, appending
// following lines; false when the input ends first.
bool RtfReader::Need(std::size_t count) {
    pos_ = std::min(pos_, line_.size());
    while (line_.size() - pos_ < count) {
        if (nextLine_ >= lines_.size()) {
            return false;
        }
        line_ += lines_[nextLine_++];
    }
    return true;
}

char RtfReader::At(std::size_t offset) const {
    return pos_ + offset < line_.size() ? line_[pos_ + offset] : '\0';
}

bool RtfReader::AtEndOfInput() {
    return pos_ >= line_.size() && !Need(1);
}

std::string RtfReader::TextUpToBrace() {
    std::string text;
    while (!AtEndOfInput() && line_[pos_] != '}') {
        text += line_[pos_++];
    }
    return text;
}

std::string RtfReader::Peek(std::size_t offset, std::size_t count) const {
    return pos_ + offset < line_.size() ? line_.substr(pos_ + offset, count) : std::string();
}

void RtfReader::Write(const std::string& html, std::string* cell) {
    if (cell) {
        *cell += html;
    } else {
        writer_.WriteHtml(html);
    }
}

void RtfReader::Convert(const std::string& title) {
    ResetFormat(format_, TResetKind::All);
    // The document begins a paragraph, so that its first paragraph opens its
    // alignment as every later one does.
    writer_.ParagraphStart = true;
    for (const char* head : {"<HTML>", "<HEAD>"}) {
        writer_.WriteLine(head);
    }
    writer_.WriteLine("<TITLE>" + HtmlEscaped(title) + "</TITLE>");
    writer_.WriteLine("</HEAD>");
    writer_.WriteLine(
        "<BODY TEXT=\"#000000\" BGCOLOR=\"#FFFFFF\" LINK=\"#3333FF\" VLINK=\"#999999\" "
        "ALINK=\"#FF0000\">");
    std::exception_ptr failure;
    try {
        if (ReadNextLine()) {
            ParseGroup(0);
        }
    } catch (const ConversionError&) {
        failure = std::current_exception();
    }
    std::string closing = writer_.CloseAllTags();
    closing += format_.Right ? "</DIV>" : "";
    closing += format_.Centred ? "</CENTER>" : "";
    writer_.WriteHtml(closing);
    writer_.WriteHtml(CloseLists());
    writer_.FlushPending();
    writer_.WriteLine("</BODY>");
    writer_.WriteLine("</HTML>");
    if (failure) {
        std::rethrow_exception(failure);
    }
}

std::string RtfReader::CloseLists() {
    std::string html = bulletItem_ && !itemPending_ ? "</LI>" : "";
    for (; listDepth_ > 0; --listDepth_) {
        html += "</UL>";
    }
    bulletItem_ = false;
    return html;
}

void RtfReader::ParseGroup(int depth) {
    for (;;) {
        if (pos_ >= line_.size()) {
            if (!ReadNextLine()) {
                return;
            }
            continue;
        }
        const char c = line_[pos_];
        if (c == '\\') {
            ParseBackslash(format_, nullptr);
        } else if (c == '{') {
            ++pos_;
            if (writer_.TocLinkOpen) {
                Write("</A>");
                writer_.TocLinkOpen = false;
            }
            if (depth >= MaximumDepth) {
                ++excessDepth_;
                continue;
            }
            const TFormat saved = format_;
            ParseGroup(depth + 1);
            if (FormatsDiffer(format_, saved)) {
                Write(writer_.CloseAllTags());
                writer_.FormatChanged = true;
            }
            format_ = saved;
        } else if (c == '}') {
            ++pos_;
            if (writer_.TocLinkOpen) {
                Write("</A>");
                writer_.TocLinkOpen = false;
            }
            if (excessDepth_ > 0) {
                --excessDepth_;
                continue;
            }
            return;
        } else {
            ++pos_;
            HandleText(std::string(1, c), format_, nullptr);
        }
    }
}

void RtfReader::HandleText(const std::string& text, TFormat& format, std::string* cell) {
    if (skipUnicodeFallback_ > 0) {
        --skipUnicodeFallback_;
        return;
    }
    // A \'hh byte of another code page than Windows-1252 is written as the
    // reference of its character.
    if (options_.Unicode && text.size() == 2 && !codePage_.KeepsBytes()) {
        const std::string reference = codePage_.Decode(HexPairValue(text));
        if (!reference.empty()) {
            Write(writer_.EmitText(reference, format), cell);
        }
        return;
    }
    if (!cell) {
        if (itemPending_) {
            Write("<LI type=disc>");
            itemPending_ = false;
        }
        if (numbering_ && writer_.ParagraphStart && !pendingLabel_.empty()) {
            Write(writer_.EmitText("&&" + pendingLabel_, format));
            pendingLabel_.clear();
        }
    }
    Write(writer_.EmitText(text, format), cell);
}

// At a backslash: an escape, a destination or a control word.
void RtfReader::ParseBackslash(TFormat& format, std::string* cell) {
    const char next = At(1);
    if (pos_ + 1 >= line_.size()) {
        ++pos_; // a backslash at the end of a line is nothing
        return;
    }
    if (next == '\'') {
        pos_ += 2;
        if (!Need(2)) {
            pos_ = line_.size();
            return;
        }
        const std::string pair = line_.substr(pos_, 2);
        pos_ += 2;
        HandleText(pair, format, cell);
    } else if (next == '*') {
        Need(7);
        const std::string after = Peek(2, 5);
        if (!cell && (StartsWith(after, "\\pn ") || StartsWith(after, "\\pn\\"))) {
            pos_ += 5;
            ParseNumbering();
            return;
        }
        if (!cell && StartsWith(after, "\\bkmk") && !bookmarkParagraph_) {
            Write("<P>");
            bookmarkParagraph_ = true;
        }
        SkipGroup();
    } else if (next == '\\' || next == '{' || next == '}') {
        pos_ += 2;
        HandleText(std::string(1, next), format, cell);
    } else if (next == '_' || next == '~') {
        pos_ += 2;
        HandleText(next == '_' ? "-" : "&nbsp;", format, cell);
    } else if (IsLower(next)) {
        // Table mode reads its control words itself; only the main reader gets here.
        ++pos_;
        ApplyControlWord(ReadControlWord());
    } else {
        pos_ += 2;
    }
}

// Reads the word at the position (its letters, digits and "-"), and one space
// after it.
std::string RtfReader::ReadControlWord() {
    const std::size_t start = pos_;
    while (pos_ < line_.size() &&
           (IsLower(line_[pos_]) || IsDigit(line_[pos_]) || line_[pos_] == '-')) {
        ++pos_;
    }
    const std::string word = line_.substr(start, pos_ - start);
    if (pos_ < line_.size() && line_[pos_] == ' ') {
        ++pos_;
    }
    return word;
}

void RtfReader::ApplyControlWord(const std::string& word) {
    if (word == "fonttbl") {
        ParseFontTable();
    } else if (word == "colortbl") {
        ParseColourTable();
    } else if (word == "stylesheet") {
        ParseStyleSheet();
    } else if (word.size() > 1 && word[0] == 's' && IsDigit(word[1])) {
        ApplyStyleReference(word);
    } else if (word == "trowd") {
        Write(writer_.CloseAllTags());
        Write(CloseLists());
        ParseTable();
    } else if (IsOneOf(word, SkippedDestinations)) {
        SkipGroup();
        if (word == "pict") {
            Write(writer_.EmitText("&pict;", format_));
        }
    } else {
        if (writer_.TocLinkOpen) {
            Write("</A>");
        }
        Write(HandleControlWord(word, format_));
        writer_.TocLinkOpen = false;
    }
}

std::string RtfReader::HandleControlWord(const std::string& word, TFormat& format) {
    // Sets a character property, marking the format changed when it changes.
    const auto set = [this](auto& field, auto value) {
        if (field != value) {
            field = value;
            writer_.FormatChanged = true;
        }
    };
    const auto text = [&format](const char* piece) {
        return format.Hidden ? std::string() : std::string(piece);
    };
    if (options_.Unicode && StartsWith(word, "ansicpg")) {
        codePage_.Select(NumberOr(word.substr(7), 1252));
        return "";
    }
    if (options_.Unicode && StartsWith(word, "uc") && word.size() > 2 && IsDigit(word[2])) {
        unicodeFallback_ = std::max(NumberOr(word.substr(2), 1), 0);
        return "";
    }
    if (options_.Unicode && word.size() > 1 && word[0] == 'u' &&
        (IsDigit(word[1]) || word[1] == '-')) {
        // \uN: a character by its number (negative ones count from 65536),
        // then fallback characters for readers that do not know it.
        int number = NumberOr(word.substr(1), '?');
        number = number < 0 ? number + 65536 : number;
        skipUnicodeFallback_ = unicodeFallback_;
        // A character beyond U+FFFF comes as two surrogates, one \uN each.
        const int high = highSurrogate_;
        highSurrogate_ = number >= 0xD800 && number <= 0xDBFF ? number : 0;
        if (highSurrogate_ != 0) {
            return "";
        }
        if (number >= 0xDC00 && number <= 0xDFFF) {
            number = high != 0 ? 0x10000 + ((high - 0xD800) << 10) + (number - 0xDC00) : 0xFFFD;
        }
        return number > 0 && number < 0x110000 && !format.Hidden
                   ? writer_.EmitText("&#" + std::to_string(number) + ";", format)
                   : "";
    }
    if (word == "plain") {
        ResetFormat(format, TResetKind::Text);
        writer_.FormatChanged = true;
        return writer_.CloseAllTags();
    }
    if (word == "pard" || word == "sectd") {
        ResetFormat(format, TResetKind::Par);
        pendingLabel_.clear();
        writer_.TocLinkMode = false;
        indentTotal_ = 0;
        firstIndent_ = true;
        itemPending_ = false;
        bulletList_ = false;
        numberingStyle_ = false;
        numbering_ = false;
        numberCounter_ = -1;
        std::string html;
        for (; listDepth_ > 0; --listDepth_) {
            html += "</UL>";
        }
        bulletItem_ = false;
        return html;
    }
    if (word == "par" || word == "sect") {
        std::string html = writer_.CloseAllTags();
        html += format.Right ? "</DIV>" : "";
        html += format.Centred ? "</CENTER>" : "";
        writer_.FormatChanged = true;
        writer_.ParagraphStart = true;
        writer_.TocNewParagraph = true;
        if (bulletItem_) {
            itemPending_ = true;
            return html + "</LI>";
        }
        if (numberCounter_ >= 0) {
            ++numberCounter_;
            pendingLabel_ = textBefore_ + std::to_string(numberCounter_) + textAfter_;
        }
        bookmarkParagraph_ = false;
        return html + "<BR>";
    }
    if (word == "v" || word == "v0") {
        set(format.Hidden, word == "v");
    } else if (word == "caps" || word == "caps0") {
        set(format.Caps, word == "caps");
    } else if (word == "tab") {
        return writer_.EmitText(text("&tab;"), format);
    } else if (word == "qc") {
        format.Centred = true;
    } else if (word == "qr") {
        format.Right = true;
    } else if (word == "line") {
        return "<BR>";
    } else if (word == "page") {
        return "<BR><HR><BR>";
    } else if (word == "emdash" || word == "endash" || word == "emspace" || word == "enspace") {
        return writer_.EmitText(text(("&" + word + ";").c_str()), format);
    } else if (word == "lquote" || word == "rquote") {
        return writer_.EmitText(text("&quote;"), format);
    } else if (word == "ldblquote" || word == "rdblquote") {
        return writer_.EmitText(text("&dblquote;"), format);
    } else if (word == "b" || word == "b0") {
        set(format.Bold, word == "b");
    } else if (word == "i" || word == "i0") {
        set(format.Italic, word == "i");
    } else if (word == "ul" || word == "uld" || word == "uldash" || word == "uldashd" ||
               word == "uldashdd" || word == "uldb" || word == "ulth" || word == "ulwave") {
        set(format.Underline, true);
    } else if (word == "ulnone" || word == "ul0") {
        set(format.Underline, false);
    } else if (word == "super" || StartsWith(word, "up")) {
        set(format.Superscript, true);
    } else if (word == "sub" || StartsWith(word, "dn")) {
        set(format.Subscript, true);
    } else if (word == "nosupersub") {
        set(format.Superscript, false);
        set(format.Subscript, false);
    } else if (word == "strike" || word == "strikedl" || word == "strike0" || word == "strikedl0") {
        set(format.Strike, word.back() != '0');
    } else if (StartsWith(word, "li") && word.size() > 2 && IsDigit(word[2])) {
        if (firstIndent_) {
            indentTotal_ += Parameter(word);
            firstIndent_ = false;
            std::string html;
            while (listDepth_ < MaximumListDepth && listDepth_ * IndentStep < indentTotal_) {
                html += "<UL>";
                ++listDepth_;
            }
            return html;
        }
    } else if (StartsWith(word, "fi") && word.size() > 2 && (word[2] == '-' || IsDigit(word[2]))) {
        if (firstIndent_) {
            indentTotal_ += Parameter(word);
        }
    } else if (word.size() > 1 && word[0] == 'f' && IsDigit(word[1])) {
        if (!options_.NoFonts) {
            set(format.Font, NumberOr(word.substr(1), 0));
        }
    } else if (StartsWith(word, "fs")) {
        set(format.Size, Parameter(word) / 2);
    } else if (StartsWith(word, "cf")) {
        if (!colours_.empty()) {
            const int index = std::max(Parameter(word), 0);
            set(format.Colour, colours_[std::min<std::size_t>(static_cast<std::size_t>(index),
                                                              colours_.size() - 1)]);
        }
    }
    return "";
}

void RtfReader::ApplyStyleReference(const std::string& word) {
    const int number = NumberOr(word.substr(1), 0);
    for (int level = 1; level <= 9; ++level) {
        if (number == tocStyle_[level]) {
            if (headingStyle_[level] != -1) {
                writer_.TocLinkMode = true;
                writer_.TocLinkLevel = level;
                writer_.TocNewParagraph = true;
            }
            break;
        }
        if (number == headingStyle_[level]) {
            writer_.HeadingAnchor = true;
            writer_.HeadingAnchorLevel = level;
        }
    }
    if (number >= 0 && number <= MaximumStyle && !styles_[number].Controls.empty()) {
        // The space ends the last inserted word, so that text after the
        // reference stays text.
        line_.insert(pos_, styles_[number].Controls + " ");
    }
}

void RtfReader::ParseNumbering() {
    textBefore_.clear();
    textAfter_.clear();
    std::string start;
    int depth = 0;
    for (;;) {
        if (AtEndOfInput()) {
            break;
        }
        const char c = line_[pos_];
        if (c == '{') {
            ++depth;
            ++pos_;
        } else if (c == '}') {
            if (depth == 0) {
                break;
            }
            --depth;
            ++pos_;
        } else if (c == '\\' && IsLower(At(1))) {
            ++pos_;
            const std::string word = ReadControlWord();
            if (word == "pnlvlblt" || (StartsWith(word, "pnlvl") && word.size() > 5 &&
                                       word[5] >= '5' && word[5] <= '9')) {
                numbering_ = false;
                bulletList_ = true;
                bulletItem_ = true;
                if (listDepth_ < MaximumListDepth) {
                    ++listDepth_;
                    Write("<UL>");
                }
                Write("<LI type=disc>");
            } else if (word == "pnlvlcont" || word == "pnlvlbody" ||
                       (StartsWith(word, "pnlvl") && word.size() > 5 && word[5] >= '1' &&
                        word[5] <= '4')) {
                numbering_ = word == "pnlvlbody";
                bulletList_ = false;
                bulletItem_ = false;
            } else if (word == "pndec" || word == "pncard" || word == "pnucltr" ||
                       word == "pnucrm" || word == "pnlcltr" || word == "pnlcrm" ||
                       word == "pnord" || word == "pnordt") {
                numberingStyle_ = true;
            } else if (word.find("pnstart") != std::string::npos) {
                if (numberingStyle_ && numbering_) {
                    start = word.size() > 7 ? word.substr(7) : "";
                    numberCounter_ = NumberOr(start, 1);
                }
            } else if (word == "pntxta" || word == "pntxtb") {
                const std::string label = TextUpToBrace();
                if (numbering_) {
                    (word == "pntxta" ? textAfter_ : textBefore_) = label;
                }
            }
        } else {
            ++pos_;
        }
    }
    if (numbering_ && !bulletList_) {
        Write(writer_.EmitText("&&" + textBefore_ + start + textAfter_, format_));
    }
}

// Skips to the brace that closes the current group and leaves it to be read.
void RtfReader::SkipGroup() {
    int depth = 0;
    for (;;) {
        if (AtEndOfInput()) {
            return;
        }
        const char c = line_[pos_];
        if (c == '}') {
            if (depth == 0) {
                return;
            }
            --depth;
            ++pos_;
        } else if (c == '{') {
            ++depth;
            ++pos_;
        } else if (c == '\\') {
            ++pos_;
            if (pos_ < line_.size() && !IsLower(line_[pos_])) {
                ++pos_; // an escaped brace or backslash counts for nothing
                continue;
            }
            const std::string word = ReadControlWord();
            if (StartsWith(word, "bin")) {
                // Binary data: its bytes are skipped without a look, within the input.
                std::size_t count =
                    static_cast<std::size_t>(std::max(NumberOr(word.substr(3), 0), 0));
                while (count > 0 && (pos_ < line_.size() || Need(1))) {
                    const std::size_t step = std::min(count, line_.size() - pos_);
                    pos_ += step;
                    count -= step;
                }
            }
        } else {
            ++pos_;
        }
    }
}

void RtfReader::ParseFontTable() {
    int depth = 0;
    int number = -1;
    std::string name;
    bool inName = false;
    const auto store = [this, &number, &name] {
        std::size_t first = name.find_first_not_of(' ');
        const std::string trimmed = first == std::string::npos ? "" : name.substr(first);
        if (number >= 0 && !options_.NoFonts && static_cast<int>(fonts_.size()) < MaximumFonts) {
            fonts_.push_back({trimmed, number});
            if (options_.Optimize && fonts_.size() <= 3) {
                writer_.AddCleanUpPattern("<FONT FACE=\"" + trimmed + "\"></FONT>");
                if (!options_.OnlyDefiniteOpt) {
                    writer_.AddCleanUpPattern("</FONT><FONT FACE=\"" + trimmed + "\">");
                }
            }
        }
        number = -1;
        name.clear();
    };
    for (;;) {
        if (AtEndOfInput()) {
            return;
        }
        const char c = line_[pos_];
        if (c == '}') {
            if (depth == 0) {
                return;
            }
            --depth;
            ++pos_;
            inName = false;
        } else if (c == '{') {
            // A group inside a font: an alternate name replaces the name, any
            // other group (panose and the like) is skipped.
            ++pos_;
            const std::string falt = "\\*\\falt";
            Need(falt.size());
            if (depth > 0 && line_.compare(pos_, falt.size(), falt) == 0) {
                pos_ += falt.size();
                name = TextUpToBrace();
                inName = true;
                pos_ += pos_ < line_.size() ? 1 : 0;
            } else if (depth > 0) {
                SkipGroup();
                pos_ += pos_ < line_.size() ? 1 : 0;
            } else {
                ++depth;
            }
        } else if (c == '\\') {
            ++pos_;
            if (pos_ < line_.size() && line_[pos_] == '\'') {
                Need(3);
                const std::string pair = Peek(1, 2);
                pos_ = std::min(pos_ + 3, line_.size());
                if (pair.size() == 2) {
                    name += static_cast<char>(HexPairValue(pair));
                }
                continue;
            }
            const std::string word = ReadControlWord();
            if (word.size() > 1 && word[0] == 'f' && IsDigit(word[1])) {
                number = NumberOr(word.substr(1), -1);
                name.clear();
            }
            inName = number >= 0;
        } else if (c == ';') {
            ++pos_;
            store();
            inName = false;
        } else {
            if (inName) {
                name += c;
            }
            ++pos_;
        }
    }
}

void RtfReader::ParseColourTable() {
    int rgb[3] = {0, 0, 0};
    for (;;) {
        if (AtEndOfInput()) {
            return;
        }
        const char c = line_[pos_];
        if (c == '}') {
            return;
        }
        ++pos_;
        if (c == ';') {
            const std::string colour =
                "#" + TwoHexDigits(rgb[0]) + TwoHexDigits(rgb[1]) + TwoHexDigits(rgb[2]);
            colours_.push_back(colour);
            if (options_.Optimize) {
                writer_.AddCleanUpPattern("<FONT COLOR=\"" + colour + "\"></FONT>");
            }
            rgb[0] = rgb[1] = rgb[2] = 0;
        } else if (c == '\\') {
            const std::string word = ReadControlWord();
            const char* names[] = {"red", "green", "blue"};
            for (int k = 0; k < 3; ++k) {
                if (StartsWith(word, names[k])) {
                    rgb[k] = std::clamp(
                        NumberOr(word.substr(std::char_traits<char>::length(names[k])), 0), 0, 255);
                }
            }
        }
    }
}

void RtfReader::ParseStyleSheet() {
    for (;;) {
        if (AtEndOfInput()) {
            return;
        }
        const char c = line_[pos_];
        if (c == '}') {
            return;
        }
        if (c != '{') {
            ++pos_;
            continue;
        }
        ++pos_;
        Need(3);
        if (At(0) == '\\' && At(1) == 's' && IsDigit(At(2))) {
            ++pos_;
            const std::string word = ReadControlWord();
            const int number = NumberOr(word.substr(1), MaximumStyle);
            ParseStyle(number, true);
        } else if ((At(0) == '\\' && At(1) == 'd' && At(2) == 's') ||
                   (At(0) == '\\' && At(1) == '*')) {
            SkipGroup();
            if (pos_ < line_.size()) {
                ++pos_;
            }
        } else {
            ParseStyle(0, false);
        }
    }
}

// Reads one style group after its number, up to and with its closing brace.
void RtfReader::ParseStyle(int number, bool hasNumber) {
    std::string controls;
    std::string name;
    int base = -1;
    for (;;) {
        if (AtEndOfInput()) {
            break;
        }
        const char c = line_[pos_];
        if (c == '}') {
            ++pos_;
            break;
        }
        if (c == '{') {
            ++pos_;
            SkipGroup();
            if (pos_ < line_.size()) {
                ++pos_;
            }
        } else if (c == '\\' && At(1) == '\'') {
            Need(4);
            const std::string pair = Peek(2, 2);
            pos_ = std::min(pos_ + 4, line_.size());
            if (pair.size() == 2) {
                name += static_cast<char>(HexPairValue(pair));
            }
        } else if (c == '\\' && IsLower(At(1))) {
            ++pos_;
            const std::string word = ReadControlWord();
            if (StartsWith(word, "sbasedon")) {
                base = NumberOr(word.substr(8), -1);
            }
            // Style references never go into a control string: inserting one
            // could insert itself again without end.
            if (!(word.size() > 1 && word[0] == 's' && IsDigit(word[1]))) {
                controls += "\\" + word;
            }
            name.clear();
        } else if (c == '\\') {
            pos_ += 2;
        } else if (c == ';') {
            ++pos_;
        } else {
            name += c;
            ++pos_;
        }
    }
    if (number < 0 || number > MaximumStyle) {
        return;
    }
    if (hasNumber) {
        if (name.find("toc") != std::string::npos) {
            if (const int level = LastLevelDigit(name, 3)) {
                tocStyle_[level] = number;
            }
        } else if (name.find("heading") != std::string::npos) {
            if (const int level = LastLevelDigit(name, 7)) {
                headingStyle_[level] = number;
            }
        }
    }
    const bool hasBase = hasNumber && base >= 0 && base < number;
    styles_[number].Name = name;
    styles_[number].Controls = MergeStyle(hasBase ? styles_[base].Controls : "", controls);
}

void RtfReader::ParseTable() {
    enum State { Done, FirstCell, InRow, AfterRow };
    TFormat format;
    ResetFormat(format, TResetKind::All);
    Write("<BR><TABLE BORDER=2><TR><TD>");
    State state = FirstCell;
    std::vector<TFormat> saved;
    std::string cell;
    bool watch = false;
    std::size_t watchStart = 0;
    // Where the HTML of the current state goes: written, or into the cell.
    const auto target = [&state, &cell]() { return state == FirstCell ? nullptr : &cell; };
    const auto reset = [&format] { ResetFormat(format, TResetKind::All); };
    for (;;) {
        if (pos_ >= line_.size()) {
            appendLines_ = watch;
            const bool more = ReadNextLine();
            appendLines_ = false;
            if (!more) {
                return;
            }
            continue;
        }
        const char c = line_[pos_];
        if (c == '{') {
            ++pos_;
            if (saved.size() < TableFormatStack) {
                saved.push_back(format);
            }
            continue;
        }
        if (c == '}') {
            ++pos_;
            if (!saved.empty()) {
                if (FormatsDiffer(format, saved.back())) {
                    writer_.FormatChanged = true;
                }
                format = saved.back();
                saved.pop_back();
            }
            continue;
        }
        if (c != '\\' || !IsLower(At(1))) {
            if (c == '\\') {
                if (At(1) == '*') {
                    SkipGroup();
                } else {
                    ParseBackslash(format, target());
                }
            } else {
                ++pos_;
                HandleText(std::string(1, c), format, target());
            }
            continue;
        }
        const std::size_t wordStart = pos_;
        ++pos_;
        const std::string word = ReadControlWord();
        if (word == "cell") {
            const std::string closing = writer_.CloseAllTags() + "</TD>";
            Write(state == InRow      ? "<TD>" + cell + closing
                  : state == AfterRow ? "<TR><TD>" + cell + closing
                                      : closing);
            reset();
            cell.clear();
            state = InRow;
            watch = false;
        } else if (word == "row") {
            reset();
            cell.clear();
            Write("</TR>");
            state = AfterRow;
            watch = false;
        } else if (word == "trowd") {
            if (state == AfterRow) {
                cell.clear();
                Write("<TR><TD>");
                reset();
                state = FirstCell;
            }
            watch = false;
        } else if (word == "intbl") {
            watch = false;
        } else if (word == "par" || word == "sect") {
            std::string html = writer_.CloseAllTags();
            html += format.Right ? "</DIV>" : "";
            html += format.Centred ? "</CENTER>" : "";
            html += "<BR>";
            if (state != AfterRow) {
                Write(html, target());
            }
        } else if (IsOneOf(word, TableSkippedDestinations)) {
            SkipGroup();
            if (word == "pict") {
                Write(writer_.EmitText("&pict;", format), target());
            }
        } else {
            const bool endWatch =
                word == "pard" || (word == "widctlpar" && line_.compare(pos_, 6, "\\intbl") != 0);
            if (endWatch && state == AfterRow) {
                if (!watch) {
                    watch = true;
                    watchStart = wordStart;
                } else {
                    Write("</TABLE><BR>");
                    pos_ = watchStart;
                    return;
                }
            }
            Write(HandleControlWord(word, format), target());
        }
    }
}
