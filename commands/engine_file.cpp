#include "commands/engine_file.h"

#include "app/app_settings.h"
#include "app/application.h"
#include "app/documents.h"
#include "app/engine_encoding.h"
#include "app/engine_pages.h"
#include "app/template_folders.h"
#include "platform/ansi.h"
#include "platform/file_replacement.h"
#include "platform/files.h"
#include "platform/integer_text.h"
#include "readers/file_buffer.h"

#include <algorithm>
#include <cstring>
#include <vector>

const char* const CannotSaveMessage = "Cannot rename file. Saving was not completed.";
const char* const EngineNotFoundMessage =
    "Search engine is not found in this file. Saving was not completed.";
const char* const NoDatabaseMessage =
    "Search engine is not found in this file. It opens with empty lists, and saving it needs "
    "the signatures of an engine's database.";

namespace {

const char* const OwnTemplateEnginePage = "qzv.html";
// The search page a template may carry, and the engine name it includes.
const char* const SearchPage = "search.html";
const char* const SearchPageEngine = "svxdb.js";

void ShowError(Ui& ui, const std::string& text) {
    ui.ShowMessage(text, "Error", MessageIcon::Error);
}

// Reads the engine file once for both lists.
// Loads the lists of the engine file; found tells whether the file was read
// and holds the two signatures that a save writes the database between.
std::vector<TBadCategory> LoadLists(const std::string& path, bool& found) {
    Base->Clear();
    Cat->Clear();
    TFileBuffer engine;
    std::vector<TBadCategory> problems;
    found = false;
    EngineEncoding = TEngineEncoding::Windows1252;
    if (OpenFileBuffer(engine, path)) {
        EngineEncoding = EngineEncodingOf(engine.Data);
        problems = Base->LoadFromBuffer(engine);
        Cat->LoadFromBuffer(engine);
        std::int32_t position = 0;
        found = FindText(engine, AppSettings.BeginSignature, position) &&
                FindText(engine, AppSettings.EndSignature, position);
    }
    return problems;
}

// Writes the head of the page up to the begin signature and two bytes more, the
// lists, and the page from the end signature on. Answers the message to show, or
// nothing when the temporary file holds the whole new page. The page's old lists
// are let go before the new ones are written, so that a large base is not held
// twice.
const char* WriteNewEngine(TFileBuffer& page, OutputFile& file, const LinksWriter& writeLinks) {
    std::int32_t position = 0;
    if (!FindText(page, AppSettings.BeginSignature, position)) {
        return EngineNotFoundMessage;
    }
    const std::size_t headEnd =
        std::min<std::size_t>(static_cast<std::size_t>(position) + 2, page.Size);
    if (!FindText(page, AppSettings.EndSignature, position)) {
        return EngineNotFoundMessage;
    }
    const std::size_t tailStart =
        static_cast<std::size_t>(position) - AppSettings.EndSignature.size();
    const std::string tail = page.Data.substr(tailStart, page.Size - tailStart);
    page.Data.resize(headEnd);
    page.Data.shrink_to_fit();
    page.Size = static_cast<std::uint32_t>(headEnd);
    const bool written =
        file.Write(page.Data) && writeLinks(file) && Cat->WriteToFile(file) && file.Write(tail);
    return written ? nullptr : CannotSaveMessage;
}

// The message of a save that failed: the fixed text, and for a read-only file
// or one that another save holds, a line that says so.
// The fixed message, and on a second line the file and why it failed.
std::string SaveFailure(FileReplacement::Status status, const std::string& path, int error) {
    switch (status) {
    case FileReplacement::Status::ReadOnly:
        return std::string(CannotSaveMessage) + "\nThe file " + path + " is read-only.";
    case FileReplacement::Status::Busy:
        return std::string(CannotSaveMessage) + "\nThe file " + path +
               " is being saved by another program.";
    default:
        return std::string(CannotSaveMessage) + "\n" + path +
               (error != 0 ? std::string(": ") + std::strerror(error) : std::string());
    }
}

// A file name as a relative URL in a src attribute: bytes that the URL or the
// attribute would read otherwise are written as %XX.
std::string AsSourceUrl(const std::string& name) {
    std::string url;
    for (const char c : name) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F || std::strchr("\"%#?<>&'\\", c) != nullptr) {
            url += '%' + TwoHexDigits(byte);
        } else {
            url += c;
        }
    }
    return url;
}

// Makes the template's search page, copied beside a new engine of another
// name, include that engine. A page of the person's own is left alone.
void PointSearchPageAtEngine(const std::string& templateFolder, const std::string& enginePath) {
    const std::string folder = FolderOf(enginePath);
    const std::string name = enginePath.substr(folder.size());
    std::string shipped;
    std::string copied;
    if (name == SearchPageEngine || name == SearchPage ||
        !ReadWholeFile(templateFolder + SearchPage, shipped) ||
        !ReadWholeFile(folder + SearchPage, copied) || copied != shipped) {
        return;
    }
    const std::string from = std::string("src=\"") + SearchPageEngine + "\"";
    const std::string to = "src=\"" + AsSourceUrl(name) + "\"";
    for (std::size_t at = copied.find(from); at != std::string::npos;
         at = copied.find(from, at + to.size())) {
        copied.replace(at, from.size(), to);
    }
    WriteWholeFile(folder + SearchPage, copied);
}

} // namespace

bool ReportBadCategories(const std::vector<TBadCategory>& problems, Ui& ui) {
    if (problems.empty()) {
        return true;
    }
    constexpr std::size_t Listed = 10;
    std::string text;
    for (std::size_t i = 0; i < problems.size() && i < Listed; ++i) {
        text += "'" + problems[i].Text + "' is not a valid integer value (link " +
                std::to_string(problems[i].Link + 1) + ")\n";
    }
    if (problems.size() > Listed) {
        text += "and " + std::to_string(problems.size() - Listed) + " more\n";
    }
    text += problems.size() == 1 ? "The link was given category 0."
                                 : "These links were given category 0.";
    ui.ShowMessage(text, "Warning", MessageIcon::Warning);
    return false;
}

bool OpenEngine(const std::string& path, Ui& ui) {
    EngineFileName = path;
    bool found = false;
    const std::vector<TBadCategory> problems = LoadLists(path, found);
    ui.RefreshView();
    // A file that holds no database still opens, with empty lists.
    if (!found && Base->Count() == 0 && Cat->Count() == 0 && IsReadableFile(path)) {
        ui.ShowMessage(std::string(NoDatabaseMessage) + "\n" + path, "Warning",
                       MessageIcon::Warning);
    }
    return ReportBadCategories(problems, ui);
}

void NewEngineFromTemplate(const std::string& newPath, const std::string& templateName, Ui& ui) {
    const std::string folder = FolderOf(newPath);
    const std::string templateFolder = TemplateFolder(templateName);
    CopyTemplateTree(templateFolder, folder, ui);
    RenameFile(folder + TemplateEnginePage, newPath);
    PointSearchPageAtEngine(templateFolder, newPath);
    bool found = false;
    const std::vector<TBadCategory> problems = LoadLists(newPath, found);
    ui.RefreshView();
    ReportBadCategories(problems, ui);
}

void CopyTemplateTree(const std::string& source, const std::string& destination, Ui& ui) {
    std::vector<FolderEntry> entries;
    ListFolder(source, entries);
    for (const FolderEntry& entry : entries) {
        const std::string from = source + entry.Name;
        const std::string to = destination + entry.Name;
        if (entry.IsFolder) {
            CreateFolders(to);
            CopyTemplateTree(from + PathSeparator, to + PathSeparator, ui);
            continue;
        }
        if (FileExists(to) &&
            ui.Ask("File " + to + " is exists.\nDo you want to replace it?", "Question",
                   MessageIcon::Warning, MessageButtons::YesNo) != Answer::Yes) {
            continue;
        }
        if (!CopyFile(from, to, false)) {
            ShowError(ui, "Cannot copy file " + from + "\nto directory " + destination);
        }
    }
}

void ImportLinks(const std::string& path, Ui& ui) {
    const std::vector<TBadCategory> problems = Base->LoadFromFile(path);
    ui.RefreshView();
    ReportBadCategories(problems, ui);
}

bool SaveEngine(Ui& ui) {
    return SaveEngineWithLinks([](OutputFile& file) { return Base->WriteToFile(file); }, ui);
}

namespace {

// Replaces the engine file at path with what write makes of its content, as
// every save does. write answers the message to show, CannotSaveMessage when
// the output could not be written, or nothing when it holds the new file.
using ContentWriter = std::function<const char*(std::string& content, OutputFile& output)>;
bool ReplaceEngineFile(const std::string& path, const ContentWriter& write, Ui& ui) {
    FileReplacement replacement;
    std::string content;
    const FileReplacement::Status status = replacement.Begin(path, "~temp~", content);
    if (status != FileReplacement::Status::Done) {
        ShowError(ui, SaveFailure(status, path, replacement.Error()));
        return false;
    }
    if (const char* failure = write(content, replacement.Output())) {
        ShowError(ui, failure == CannotSaveMessage
                          ? SaveFailure(FileReplacement::Status::CannotWrite, path,
                                        replacement.Output().Error())
                          : std::string(failure));
        return false;
    }
    const FileReplacement::Status committed = replacement.Commit("~temp1~");
    if (committed != FileReplacement::Status::Done) {
        ShowError(ui, SaveFailure(committed, path, replacement.Error()));
        return false;
    }
    return true;
}

} // namespace

bool SaveEngineWithLinks(const LinksWriter& writeLinks, Ui& ui) {
    return ReplaceEngineFile(
        EngineFileName,
        [&writeLinks](std::string& content, OutputFile& output) {
            TFileBuffer page;
            AssignBuffer(page, std::move(content));
            return WriteNewEngine(page, output, writeLinks);
        },
        ui);
}

bool ConvertEngineToUtf8(const std::string& path, Ui& ui) {
    return ReplaceEngineFile(
        path,
        [](std::string& content, OutputFile& output) {
            return output.Write(EngineInUtf8(content)) ? nullptr : CannotSaveMessage;
        },
        ui);
}

bool SaveEngineAs(const std::string& path, Ui& ui) {
    CopyFile(EngineFileName, path, false);
    EngineFileName = path;
    return SaveEngine(ui);
}

bool BuildInto(const std::string& path, Ui& ui) {
    EngineFileName = path;
    return SaveEngine(ui);
}

bool SaveEngineAsTemplate(const std::string& templateName, Ui& ui) {
    const std::string folder = SavedTemplateFolder(templateName);
    CreateFolders(folder);
    const std::string page = folder + PathSeparator + OwnTemplateEnginePage;
    CopyFile(EngineFileName, page, false);
    return SaveEngineAs(page, ui);
}

bool ShowSearch() {
    return OpenDocument(SearchPageOf(EngineFileName));
}
