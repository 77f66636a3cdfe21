#include "gui/template_form.h"

#include "app/documents.h"
#include "gui/dialog_frame.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TTemplateForm::TTemplateForm(QWidget* parent) : QDialog(parent), nameEdit_(new QLineEdit) {
    setObjectName("TTemplateForm");
    setWindowTitle("Create a new template");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(
        "Note. This operation will create a new subdirectory in the templates directory and will "
        "copy search.html file to there. All other files (images, CSS styles, help files etc.) "
        "will not be copied. You should copy these files manually.");
    note->setWordWrap(true);
    note->setFixedWidth(320);
    layout->addWidget(note);
    layout->addWidget(new QLabel("Template Name:"));
    nameEdit_->setObjectName("NameEdit");
    layout->addWidget(nameEdit_);
    QPushButton* ok = AddDialogButtons(*this, *layout, HelpPage::Template).Ok;
    ok->setObjectName("OkButton");
    ok->setEnabled(false);
    connect(nameEdit_, &QLineEdit::textChanged,
            [ok](const QString& text) { ok->setEnabled(!text.isEmpty()); });
    nameEdit_->setFocus();
    FixAndCentre(*this);
}

QString TTemplateForm::Name() const {
    return nameEdit_->text();
}
