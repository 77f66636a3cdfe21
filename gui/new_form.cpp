#include "gui/new_form.h"

#include "app/documents.h"
#include "commands/command_table.h"
#include "gui/dialog_frame.h"
#include "gui/qt_text.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TNewForm::TNewForm(QWidget* parent, Ui& ui, NewForm& form)
    : QDialog(parent), ui_(ui), form_(form), pathEdit_(new QLineEdit(PathToQt(form.Path))),
      templateComboBox_(new QComboBox) {
    setObjectName("TNewForm");
    setWindowTitle("New search engine file");
    pathEdit_->setObjectName("PathEdit");
    pathEdit_->setMinimumWidth(360);
    templateComboBox_->setObjectName("TemplateComboBox");
    for (const std::string& name : form.Templates) {
        templateComboBox_->addItem(ToQt(name));
    }
    templateComboBox_->setCurrentIndex(form.Selected);
    auto* selBtn = new QPushButton("...");
    selBtn->setObjectName("SelBtn");
    selBtn->setAutoDefault(false);
    auto* templateButton = new QPushButton("&Templates Guide");
    templateButton->setObjectName("TemplateButton");
    templateButton->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Path to a new file:"), 0, 0, 1, 2);
    grid->addWidget(pathEdit_, 1, 0);
    grid->addWidget(selBtn, 1, 1);
    grid->addWidget(new QLabel("Template:"), 2, 0, 1, 2);
    grid->addWidget(templateComboBox_, 3, 0);
    grid->addWidget(templateButton, 3, 1);
    layout->addLayout(grid);
    QPushButton* ok = AddDialogButtons(*this, *layout, HelpPage::NewEngine, false).Ok;
    ok->setObjectName("OkButton");

    connect(selBtn, &QPushButton::clicked, this, &TNewForm::ChoosePath);
    connect(templateButton, &QPushButton::clicked, [] { OpenHelpPage(HelpPage::Templates); });
    connect(ok, &QPushButton::clicked, this, &TNewForm::Accept);
    pathEdit_->setFocus();
    FixAndCentre(*this);
}

void TNewForm::ChoosePath() {
    QFileDialog dialog(this, QString(), pathEdit_->text(), QtFilter(NewEngineFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.selectFile(pathEdit_->text());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        pathEdit_->setText(dialog.selectedFiles().first());
    }
}

void TNewForm::Accept() {
    form_.Path = PathFromQt(pathEdit_->text());
    form_.Selected = templateComboBox_->currentIndex();
    if (AcceptNewForm(form_, ui_)) {
        accept();
    }
}
