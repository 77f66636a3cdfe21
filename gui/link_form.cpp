#include "gui/link_form.h"

#include "app/documents.h"
#include "commands/command_table.h"
#include "gui/category_choice.h"
#include "gui/dialog_frame.h"
#include "gui/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

TLinkForm::TLinkForm(QWidget* parent, WindowUi& ui, const QString& caption, const LinkForm& form)
    : QDialog(parent), ui_(ui), categories_(form.Category), urlEdit_(new QLineEdit),
      catComboBox_(new QComboBox), captionEdit_(new QLineEdit), descEdit_(new QLineEdit),
      keysMemo_(new QPlainTextEdit),
      fromCheck_(new QCheckBox(
          "Get the information from the file on select (for HTML and text files only)")),
      dontUpdateCheckBox_(new QCheckBox("Dont update this link")) {
    setObjectName("TLinkForm");
    setWindowTitle(caption);
    urlEdit_->setObjectName("URLEdit");
    catComboBox_->setObjectName("CatComboBox");
    captionEdit_->setObjectName("CaptionEdit");
    descEdit_->setObjectName("DescEdit");
    keysMemo_->setObjectName("KeysMemo");
    fromCheck_->setObjectName("FromCheck");
    dontUpdateCheckBox_->setObjectName("DontUpdateCheckBox");
    keysMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    keysMemo_->setFixedHeight(60);
    keysMemo_->installEventFilter(this);
    auto* newCatBtn = new QPushButton("New");
    newCatBtn->setObjectName("NewCatBtn");
    newCatBtn->setAutoDefault(false);
    auto* selUBtn = new QPushButton("Select");
    selUBtn->setObjectName("SelUBtn");
    selUBtn->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("URL (*):"), 0, 0);
    grid->addWidget(urlEdit_, 0, 1);
    grid->addWidget(selUBtn, 0, 2);
    grid->addWidget(new QLabel("Category:"), 1, 0);
    grid->addWidget(catComboBox_, 1, 1);
    grid->addWidget(newCatBtn, 1, 2);
    grid->addWidget(new QLabel("Caption:"), 2, 0);
    grid->addWidget(captionEdit_, 2, 1, 1, 2);
    grid->addWidget(new QLabel("Description:"), 3, 0);
    grid->addWidget(descEdit_, 3, 1, 1, 2);
    grid->addWidget(new QLabel("Keywords:"), 4, 0, Qt::AlignTop);
    grid->addWidget(keysMemo_, 4, 1, 1, 2);
    grid->setColumnMinimumWidth(1, 360);
    layout->addLayout(grid);
    layout->addWidget(fromCheck_);
    layout->addWidget(dontUpdateCheckBox_);
    QPushButton* ok = AddDialogButtons(*this, *layout, HelpPage::Link, false).Ok;
    ok->setObjectName("OkButton");

    connect(ok, &QPushButton::clicked, this, &TLinkForm::Validate);
    connect(newCatBtn, &QPushButton::clicked, this, &TLinkForm::NewCategory);
    connect(selUBtn, &QPushButton::clicked, this, &TLinkForm::SelectFile);
    Show(form);
    fromCheck_->setChecked(true);
    urlEdit_->setFocus();
    FixAndCentre(*this);
}

void TLinkForm::Show(const LinkForm& form) {
    categories_ = form.Category;
    ShowChoice(*catComboBox_, form.Category);
    urlEdit_->setText(ToQt(form.URL));
    captionEdit_->setText(ToQt(form.Caption));
    descEdit_->setText(ToQt(form.Description));
    keysMemo_->setPlainText(ToQt(form.Keywords));
    dontUpdateCheckBox_->setChecked(form.DontUpdate);
    fromCheck_->setChecked(form.FromFile);
}

LinkForm TLinkForm::Form() const {
    LinkForm form;
    form.Category = categories_;
    form.Category.Selected = catComboBox_->currentIndex();
    form.URL = FromQt(urlEdit_->text());
    form.Caption = FromQt(captionEdit_->text());
    form.Description = FromQt(descEdit_->text());
    form.Keywords = FromQt(keysMemo_->toPlainText());
    form.DontUpdate = dontUpdateCheckBox_->isChecked();
    form.FromFile = fromCheck_->isChecked();
    return form;
}

void TLinkForm::NewCategory() {
    LinkForm form = Form();
    if (AddCategoryFromForm(ui_, form.Category)) {
        categories_ = form.Category;
        ShowChoice(*catComboBox_, categories_);
    }
}

void TLinkForm::SelectFile() {
    const QString file =
        QFileDialog::getOpenFileName(this, QString(), QString(), QtFilter(LinkFileFilter));
    if (file.isEmpty()) {
        return;
    }
    LinkForm form = Form();
    try {
        SelectLinkFile(form, PathFromQt(file));
    } catch (const std::runtime_error& error) {
        QMessageBox::critical(this, "Error", ToQt(error.what()));
        return;
    }
    Show(form);
}

void TLinkForm::Validate() {
    const LinkField missing = MissingLinkField(Form());
    if (missing == LinkField::None) {
        accept();
        return;
    }
    QMessageBox::critical(this, "Error", RequiredFieldsMessage);
    if (missing == LinkField::URL) {
        urlEdit_->setFocus();
    } else {
        catComboBox_->setFocus();
    }
}

// Enter in the keywords memo presses OK instead of starting a new line.
bool TLinkForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == keysMemo_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Validate();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
