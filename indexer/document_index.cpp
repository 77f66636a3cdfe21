#include "indexer/document_index.h"

#include "app/app_settings.h"
#include "app/engine_encoding.h"
#include "convert/mp3_page.h"
#include "convert/rtf_to_html.h"
#include "docsift/docsift.h"
#include "indexer/page_opening.h"
#include "indexer/rating.h"
#include "indexer/rating_cache.h"
#include "platform/ansi.h"
#include "platform/files.h"
#include "platform/integer_text.h"
#include "platform/vmem.h"
#include "readers/page_encoding.h"

#include <cstdlib>
#include <unistd.h>

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// The bytes the URL standard percent-encodes in a path beside the space and
// non-ASCII bytes, and "%" itself, which would otherwise start an escape.
bool IsEscapedInPaths(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == '"' || c == '#' || c == '%' || c == '<' || c == '>' ||
           c == '?' || c == '`' || c == '{' || c == '}';
}

// The temporary page of one conversion, deleted whatever happens. It is made
// as a new file of this process's own, never through a name planted in the
// shared folder (another name is taken then); the path stays empty when no
// page can be made.
class TemporaryPage {
  public:
    TemporaryPage() {
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            std::string name = TempPageFile();
            if (attempt > 0) {
                name.insert(name.size() - 4, "-" + std::to_string(attempt));
            }
            OutputFile file;
            if (file.CreateNew(name, 0600) && file.Close()) {
                path_ = name;
            }
        }
    }
    ~TemporaryPage() {
        if (!path_.empty()) {
            DeleteFile(path_);
        }
    }
    TemporaryPage(const TemporaryPage&) = delete;
    TemporaryPage& operator=(const TemporaryPage&) = delete;

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// The quoted values after the first occurrences of "description", "category
// code" and "keywords" (quotes included), found in one pass; "" for a key
// that is not there.
struct TQuotedValues {
    std::string Description;
    std::string CategoryCode;
    std::string Keywords;
};

TQuotedValues ReadQuotedValues(TFileBuffer& buffer) {
    const std::vector<std::int32_t> found =
        FindEachText(buffer, {"\"description\"", "\"category code\"", MetaKeywordsKey});
    const auto valueAt = [&buffer](std::int32_t position) {
        if (position < 0) {
            return std::string();
        }
        buffer.Position = position;
        return ReadQuoted(buffer, '"');
    };
    return {valueAt(found[0]), valueAt(found[1]), valueAt(found[2])};
}

// Analyses a temporary page made of text, keeping the record as the caller
// passed it when the page cannot be written.
bool AnalyseText(const std::string& text, const std::string& root, TBaseRecord& record,
                 TRatingCache* ratings) {
    const TemporaryPage page;
    if (!WriteWholeFile(page.Path(), text)) {
        return false;
    }
    AnalysePage(page.Path(), root, record, ratings);
    return true;
}

// A playlist's text without its directives' names: "#EXTM3U" goes, "#EXTINF:"
// loses its duration and attributes up to the comma before the track's title,
// and any other "#NAME:" keeps its value.
std::string PlaylistText(const std::string& playlist) {
    std::string text;
    std::size_t start = 0;
    while (start < playlist.size()) {
        std::size_t end = playlist.find('\n', start);
        end = end == std::string::npos ? playlist.size() : end + 1;
        std::string line = playlist.substr(start, end - start);
        if (!line.empty() && line[0] == '#') {
            const std::size_t colon = line.find(':');
            const bool trackInfo = line.compare(0, 8, "#EXTINF:") == 0;
            const std::size_t cut = trackInfo ? line.find(',') : colon;
            line = cut == std::string::npos ? "\n" : line.substr(cut + 1);
        }
        text += line;
        start = end;
    }
    return text;
}

// The converter's page (Windows-1252) as UTF-8 with a byte-order mark when it
// holds references to characters ("&#N;", written for characters beyond the
// code page), each decoded, so that the page is read in its whole; else as it
// is.
std::string WithUnicodeReferencesDecoded(const std::string& html) {
    if (html.find("&#") == std::string::npos) {
        return html;
    }
    const std::string utf8 = AnsiToUtf8(html);
    std::string decoded = "\xEF\xBB\xBF";
    std::size_t at = 0;
    std::size_t reference;
    while ((reference = utf8.find("&#", at)) != std::string::npos) {
        const std::size_t semicolon = utf8.find(';', reference);
        std::int32_t number = 0;
        decoded.append(utf8, at, reference - at);
        if (semicolon != std::string::npos &&
            TryStrToInt(utf8.substr(reference + 2, semicolon - reference - 2), number) &&
            number > 0 && number < 0x110000) {
            AppendUtf8(decoded, static_cast<char32_t>(number));
            at = semicolon + 1;
        } else {
            decoded += "&#";
            at = reference + 2;
        }
    }
    return decoded + utf8.substr(at);
}

// The text of the PDF's pages 1 to last (0 for all) in the reading order, in
// the code page or, for a UTF-8 engine, in UTF-8 from docsift's UTF-16 text;
// false when there is none.
bool ReadPdfText(const std::string& file, std::int32_t last, std::string& text) {
    if (EngineEncoding == TEngineEncoding::Windows1252) {
        char* bytes = GetTextContentFormated(file.c_str(), 0, last);
        if (bytes) {
            text = bytes;
            VirtualFree(bytes, 0, MEM_RELEASE);
        }
        return bytes != nullptr;
    }
    double length = 0;
    void* units = GetUnicodeTextContentFormated(file.c_str(), 0, last, &length, 1);
    if (!units) {
        return false;
    }
    const auto* bytes = static_cast<const unsigned char*>(units);
    std::u16string utf16(static_cast<std::size_t>(length) / 2, u'\0');
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        utf16[i] = static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    }
    VirtualFree(units, 0, MEM_RELEASE);
    text = Utf16ToUtf8(utf16);
    return true;
}

void IndexPlaylist(const std::string& file, const std::string& root, TBaseRecord& record,
                   TRatingCache* ratings) {
    std::string playlist;
    if (!ReadWholeFile(file, playlist) ||
        !AnalyseText(PlaylistText(playlist), root, record, ratings)) {
        AnalysePage(file, root, record, ratings);
        return;
    }
    record.URL = RelativeUrl(root, file);
}

} // namespace

std::string TempPageFile() {
    return TempFolder() + "svx~tmp~" + std::to_string(::getpid()) + ".tmp";
}

std::string ExtensionOf(const std::string& path) {
    const std::size_t nameStart = path.find_last_of("/\\") + 1;
    const std::size_t dot = path.rfind('.');
    return dot == std::string::npos || dot < nameStart ? "" : AnsiLowerCase(path.substr(dot + 1));
}

void IndexFile(const std::string& file, const std::string& root, TBaseRecord& record,
               TRatingCache* ratings) {
    const std::string extension = ExtensionOf(file);
    if (extension == "pdf") {
        IndexPdf(file, root, record, ratings);
    } else if (extension == "rtf") {
        IndexRtf(file, root, record, ratings);
    } else if (extension == "mp3") {
        IndexMp3(file, root, record, ratings);
    } else if (extension == "m3u") {
        IndexPlaylist(file, root, record, ratings);
    } else {
        AnalysePage(file, root, record, ratings);
    }
}

void AnalysePage(const std::string& page, const std::string& root, TBaseRecord& record,
                 TRatingCache* ratings) {
    record = TBaseRecord();
    record.URL = RelativeUrl(root, page);
    TFileBuffer buffer;
    if (!OpenFileBuffer(buffer, page)) {
        return;
    }
    // The page in the engine's encoding: UTF-8 keeps every character. In the
    // code page, a character it lacks reads as "?" in the title and
    // description; the rating reads the page without the words that hold one,
    // so that no part of them becomes a keyword.
    const bool utf8 = EngineEncoding == TEngineEncoding::Utf8;
    // A text file declares nothing.
    const std::string extension = ExtensionOf(page);
    const bool markup = extension != "txt" && extension != "asc";
    std::vector<std::size_t> missing;
    if (utf8 ? PageToUtf8(buffer.Data, markup) : PageToCodePage(buffer.Data, missing, markup)) {
        AssignBuffer(buffer, std::move(buffer.Data));
    }
    buffer.Utf8 = utf8;
    TFileBuffer withoutMissing;
    if (!missing.empty()) {
        AssignBuffer(withoutMissing, WithoutWordsAt(buffer.Data, missing));
    }
    TFileBuffer& rated = missing.empty() ? buffer : withoutMissing;
    record.Caption = ReadTitle(buffer);
    const TQuotedValues values = ReadQuotedValues(buffer);
    record.Description = values.Description;
    if (!values.CategoryCode.empty()) {
        record.Category = StrToInt(TrimBlanks(values.CategoryCode));
    }

    TRating ownRating;
    if (!ratings) {
        LoadRatingSettings(ownRating);
    }
    TRating& rating = ratings ? ratings->Rating() : ownRating;
    rating.RatePage(rated, AppSettings.IndexDepthLimit,
                    missing.empty() ? values.Keywords : MetaKeywordsOf(rated));
    if (record.Description.empty() && rating.TextDescriptionLength > 0) {
        record.Description =
            OpeningText(buffer, static_cast<std::size_t>(rating.TextDescriptionLength));
    }
    for (const TWordRating& word : rating.Words) {
        record.Keywords.push_back(word.Word);
    }
    // A run over many pages (the one that passes ratings) chooses their
    // keywords among more candidates at its end when the site weight is set.
    if (ratings) {
        record.Keywords.insert(record.Keywords.end(), rating.MoreWords.begin(),
                               rating.MoreWords.end());
    }
}

void IndexMp3(const std::string& file, const std::string& root, TBaseRecord& record,
              TRatingCache* ratings) {
    const std::string bytes = ReadTagBytes(file);
    if (AnalyseText(Mp3TagPage(bytes), root, record, ratings)) {
        record.URL = RelativeUrl(root, file);
        // The page's title and description hold the fields escaped; the link
        // takes them as they are.
        TID3Tag tag;
        if (ParseId3Tag(bytes, tag)) {
            record.Caption = EngineTextFromAnsi(TagCaption(tag));
            record.Description = EngineTextFromAnsi(tag.Comment);
        }
    }
}

void IndexRtf(const std::string& file, const std::string& root, TBaseRecord& record,
              TRatingCache* ratings) {
    const TemporaryPage page;
    RtfToHtml(file, page.Path(), {"noFonts", "onlyDefiniteOpt", "unicode"});
    // The converter titles the page with the file's path; its folder names are
    // no keywords of the document.
    std::string html;
    ReadWholeFile(page.Path(), html);
    const std::size_t start = html.find("<TITLE>");
    const std::size_t end = html.find("</TITLE>");
    if (start != std::string::npos && end != std::string::npos && end > start) {
        html.erase(start + 7, end - start - 7);
    }
    WriteWholeFile(page.Path(), WithUnicodeReferencesDecoded(html));
    AnalysePage(page.Path(), root, record, ratings);
    record.URL = RelativeUrl(root, file);
    record.Caption.clear();
}

void IndexPdf(const std::string& file, const std::string& root, TBaseRecord& record,
              TRatingCache* ratings) {
    ::setenv("DOCSIFT_TEXT_TIME_LIMIT", std::to_string(AppSettings.PdfTextTimeLimit).c_str(), 1);
    DocInfo info{};
    const bool hasInfo = GetDocInfo(file.c_str(), &info) != 0;
    std::string content;
    const bool hasText = ReadPdfText(file, hasInfo ? info.PageCount : 0, content);
    if (!hasInfo) {
        // No information: the link still gets its address and, when the text
        // can be read, the keywords of the text.
        if (!hasText || !AnalyseText(content, root, record, ratings)) {
            record = TBaseRecord();
        }
        record.URL = RelativeUrl(root, file);
        return;
    }
    if (!AnalyseText(std::string(info.Title) + " " + content, root, record, ratings)) {
        return;
    }
    record.URL = RelativeUrl(root, file);
    if (std::string(info.Title) != " ") {
        record.Caption = EngineTextFromAnsi(info.Title);
    }
    if (std::string(info.Subject) != " ") {
        record.Description = EngineTextFromAnsi(info.Subject);
    }
}

std::string RelativeUrl(const std::string& root, const std::string& path) {
    if (path.size() >= 2 && !root.empty() && path[0] != root[0]) {
        return path;
    }
    std::size_t common = 0;
    while (common < root.size() && common < path.size() && root[common] == path[common]) {
        ++common;
    }
    // The last separator that both paths have at the same place within their
    // common start (a name that merely begins like the other's does not count).
    std::size_t cut = 0;
    for (std::size_t i = 0; i <= common && i < root.size() && i < path.size(); ++i) {
        if (IsSeparator(root[i]) && IsSeparator(path[i])) {
            cut = i;
        }
    }
    std::size_t separators = 0;
    for (std::size_t i = cut; i < root.size(); ++i) {
        separators += IsSeparator(root[i]) ? 1 : 0;
    }
    // A UTF-8 engine's addresses are written as the URL standard writes paths.
    const bool utf8 = EngineEncoding == TEngineEncoding::Utf8;
    std::string url;
    for (std::size_t up = 1; up < separators; ++up) {
        url += "../";
    }
    for (std::size_t i = cut < path.size() && IsSeparator(path[cut]) ? cut + 1 : cut;
         i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (c == '\\') {
            url += '/';
        } else if (c == ' ' || c >= 0x80 || (utf8 && IsEscapedInPaths(c))) {
            // A byte of a non-ASCII name (UTF-8 on this system) is written as
            // %XX, so that a browser asks for the file's own bytes whatever the
            // engine's encoding.
            url += '%' + TwoHexDigits(c);
        } else {
            url += static_cast<char>(c);
        }
    }
    return url;
}

std::string ReadTitle(TFileBuffer& buffer) {
    std::int32_t start = 0;
    std::int32_t end = 0;
    if (!FindText(buffer, "<title>", start) || !FindText(buffer, "</title>", end)) {
        return "";
    }
    std::string title;
    for (std::int32_t i = start; i < end - 8; ++i) {
        const char c = buffer.Data[static_cast<std::size_t>(i)];
        if (c == '\r') {
            title += ' ';
        } else if (c != '\n') {
            title += c;
        }
    }
    return title;
}

bool HasLinkForFile(const TBase& links, const std::string& file, const std::string& root) {
    const std::string url = RelativeUrl(root, file);
    for (std::int32_t i = 0; i < links.Count(); ++i) {
        if (links.LinkAt(i).URL == url) {
            return true;
        }
    }
    return false;
}
