#include "gui/cat_form.h"

#include "app/documents.h"
#include "gui/dialog_frame.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TCatForm::TCatForm(QWidget* parent, const QString& caption, const QString& name)
    : QDialog(parent), nameEdit_(new QLineEdit) {
    setObjectName("TCatForm");
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Category Name:"));
    nameEdit_->setObjectName("NameEdit");
    nameEdit_->setMinimumWidth(280);
    layout->addWidget(nameEdit_);
    okButton_ = AddDialogButtons(*this, *layout, HelpPage::Category).Ok;
    okButton_->setObjectName("OkButton");
    okButton_->setEnabled(false);
    connect(nameEdit_, &QLineEdit::textChanged,
            [this](const QString& text) { okButton_->setEnabled(!text.isEmpty()); });
    nameEdit_->setText(name);
    nameEdit_->setFocus();
    FixAndCentre(*this);
}

QString TCatForm::Name() const {
    return nameEdit_->text();
}
