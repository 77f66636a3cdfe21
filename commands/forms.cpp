#include "commands/forms.h"

#include "app/app_settings.h"
#include "app/application.h"
#include "app/template_folders.h"
#include "commands/engine_file.h"
#include "commands/window_ui.h"
#include "indexer/document_index.h"
#include "platform/files.h"

#include <algorithm>

const char* const RequiredFieldsMessage = "Not all required fields are filled";
const char* const NoPathMessage = "Enter the path of the new search engine file.";
const char* const NoTemplateMessage =
    "There is no template to create the search engine from. Check the templates folder.";

namespace {

// Leading and trailing blanks and control characters removed.
std::string TrimKeyword(const std::string& piece) {
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    auto begin = std::find_if_not(piece.begin(), piece.end(), isBlank);
    auto end = std::find_if_not(piece.rbegin(), piece.rend(), isBlank).base();
    return begin < end ? std::string(begin, end) : std::string();
}

} // namespace

void FillCategoryList(CategoryChoice& choice) {
    choice.Items.clear();
    for (std::int32_t i = 0; i < Cat->Count(); ++i) {
        choice.Items.push_back(Cat->GetName(i) + " (" + std::to_string(i) + ")");
    }
    choice.Selected = choice.Items.empty() ? -1 : 0;
}

bool AddCategoryFromForm(WindowUi& ui, CategoryChoice& choice) {
    std::string name;
    if (!ui.RunCategoryForm("Add a new Category", name)) {
        return false;
    }
    Cat->Add(name);
    FillCategoryList(choice);
    choice.Selected = static_cast<std::int32_t>(choice.Items.size()) - 1;
    return true;
}

LinkForm NewLinkForm() {
    LinkForm form;
    FillCategoryList(form.Category);
    return form;
}

void LinkToForm(const TBaseRecord& record, LinkForm& form) {
    const auto items = static_cast<std::int32_t>(form.Category.Items.size());
    form.Category.Selected = record.Category >= 0 && record.Category < items ? record.Category : -1;
    form.URL = record.URL;
    form.Caption = record.Caption;
    form.Description = record.Description;
    form.DontUpdate = false;
    // The separator goes between shown keywords only: a trailing ", " (when the
    // marker is the last keyword) would come back from the form as an extra
    // empty keyword at every edit.
    std::string keywords;
    bool first = true;
    for (const std::string& keyword : record.Keywords) {
        if (keyword == DontUpdateKeyword) {
            form.DontUpdate = true;
            continue;
        }
        keywords += (first ? "" : ", ") + keyword;
        first = false;
    }
    form.Keywords = keywords;
}

TBaseRecord LinkFromForm(const LinkForm& form) {
    TBaseRecord record;
    record.Category = form.Category.Selected;
    record.Caption = form.Caption;
    record.URL = form.URL;
    record.Description = form.Description;
    if (form.DontUpdate) {
        record.Keywords.push_back(DontUpdateKeyword);
    }
    if (form.Keywords.empty()) {
        return record;
    }
    const std::string text = form.Keywords + ",";
    std::size_t start = 0;
    for (std::size_t comma = text.find(','); comma != std::string::npos;
         comma = text.find(',', start)) {
        record.Keywords.push_back(TrimKeyword(text.substr(start, comma - start)));
        start = comma + 1;
    }
    return record;
}

LinkField MissingLinkField(const LinkForm& form) {
    if (form.URL.empty()) {
        return LinkField::URL;
    }
    return form.Category.Selected < 0 ? LinkField::Category : LinkField::None;
}

void SelectLinkFile(LinkForm& form, const std::string& file) {
    form.URL = RelativeUrl(EngineFileName, file);
    TBaseRecord record;
    record.Category = form.Category.Selected;
    record.URL = form.URL;
    if (form.FromFile) {
        IndexFile(file, EngineFileName, record);
    }
    LinkToForm(record, form);
}

NewForm MakeNewForm() {
    NewForm form;
    form.Path = AppSettings.ProjectsPath + AppSettings.DefEngineName;
    form.Templates = TemplateNames();
    form.Selected = form.Templates.empty() ? -1 : 0;
    return form;
}

bool AcceptNewForm(const NewForm& form, Ui& ui) {
    if (form.Path.empty()) {
        ui.ShowMessage(NoPathMessage, "Error", MessageIcon::Error);
        return false;
    }
    if (form.Selected < 0 || form.Selected >= static_cast<std::int32_t>(form.Templates.size())) {
        ui.ShowMessage(NoTemplateMessage, "Error", MessageIcon::Error);
        return false;
    }
    NewEngineFromTemplate(form.Path, form.Templates[static_cast<std::size_t>(form.Selected)], ui);
    OpenEngine(form.Path, ui);
    return true;
}

AddSiteForm NewAddSiteForm() {
    AddSiteForm form;
    FillCategoryList(form.Category);
    return form;
}
