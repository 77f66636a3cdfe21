#include "gui/add_site_form.h"

#include "app/documents.h"
#include "commands/window_ui.h"
#include "gui/category_choice.h"
#include "gui/dialog_frame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAddSiteForm::TAddSiteForm(QWidget* parent, WindowUi& ui, const AddSiteForm& form)
    : QDialog(parent), ui_(ui), categories_(form.Category), catComboBox_(new QComboBox),
      recurseCheckBox_(new QCheckBox("Add files from subdirectories")),
      alreadyCheckBox_(new QCheckBox("Add already existing files")) {
    setObjectName("TAddSiteForm");
    setWindowTitle("Add Site");
    catComboBox_->setObjectName("CatComboBox");
    catComboBox_->setMinimumWidth(260);
    recurseCheckBox_->setObjectName("RecurseCheckBox");
    alreadyCheckBox_->setObjectName("AlreadyCheckBox");
    auto* newCatBtn = new QPushButton("New");
    newCatBtn->setObjectName("NewCatBtn");
    newCatBtn->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Category Name:"));
    auto* row = new QHBoxLayout;
    row->addWidget(catComboBox_);
    row->addWidget(newCatBtn);
    layout->addLayout(row);
    layout->addWidget(recurseCheckBox_);
    layout->addWidget(alreadyCheckBox_);
    QPushButton* ok = AddDialogButtons(*this, *layout, HelpPage::Site).Ok;
    ok->setObjectName("OkButton");
    ok->setText("Select Directory");

    ShowChoice(*catComboBox_, categories_);
    recurseCheckBox_->setChecked(form.Recurse);
    alreadyCheckBox_->setChecked(form.AddExisting);
    connect(newCatBtn, &QPushButton::clicked, this, &TAddSiteForm::NewCategory);
    FixAndCentre(*this);
}

AddSiteForm TAddSiteForm::Form() const {
    AddSiteForm form;
    form.Category = categories_;
    form.Category.Selected = catComboBox_->currentIndex();
    form.Recurse = recurseCheckBox_->isChecked();
    form.AddExisting = alreadyCheckBox_->isChecked();
    return form;
}

// The new category shows in the main window's category view at once.
void TAddSiteForm::NewCategory() {
    if (AddCategoryFromForm(ui_, categories_)) {
        ShowChoice(*catComboBox_, categories_);
        ui_.RefreshView();
    }
}
