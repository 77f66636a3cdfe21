// What the link, new engine and add-site dialogs hold, and the work behind
// their buttons, apart from any toolkit.
#pragma once

#include "app/base.h"

#include <cstdint>
#include <string>
#include <vector>

class Ui;
class WindowUi;

// A drop-down list of the categories, "Name (position)" each.
struct CategoryChoice {
    std::vector<std::string> Items;
    std::int32_t Selected = -1; // -1: nothing selected
};

struct LinkForm {
    CategoryChoice Category;
    std::string URL;
    std::string Caption;
    std::string Description;
    std::string Keywords; // the memo's text
    bool DontUpdate = false;
    bool FromFile = true; // take caption, description and keywords from a selected file
};

struct NewForm {
    std::string Path;
    std::vector<std::string> Templates; // sorted
    std::int32_t Selected = -1;
};

struct AddSiteForm {
    CategoryChoice Category;
    bool Recurse = true;
    bool AddExisting = false;
};

// Lists the categories of Cat and selects the first (none when there is none).
void FillCategoryList(CategoryChoice& choice);
// The New button: asks for a category name and, on OK, appends it to Cat at
// once and selects it. True when a category was added.
bool AddCategoryFromForm(WindowUi& ui, CategoryChoice& choice);

LinkForm NewLinkForm();
void LinkToForm(const TBaseRecord& record, LinkForm& form);
TBaseRecord LinkFromForm(const LinkForm& form);

// The field the link dialog's OK finds missing, to be focused after the message.
enum class LinkField { None, URL, Category };
LinkField MissingLinkField(const LinkForm& form);
extern const char* const RequiredFieldsMessage;

// The Select button after a file was chosen: its URL relative to the engine
// file, and (with FromFile) what the indexer reads from it.
void SelectLinkFile(LinkForm& form, const std::string& file);

// The new engine dialog as it opens: the default path and the templates.
NewForm MakeNewForm();
// OK of the new engine dialog: creates the engine file from the template and
// opens it. False, after telling the person, when the path or the template is
// missing.
bool AcceptNewForm(const NewForm& form, Ui& ui);
extern const char* const NoPathMessage;
extern const char* const NoTemplateMessage;

AddSiteForm NewAddSiteForm();
