#include "gui/missing_pages_form.h"

#include "gui/dialog_frame.h"
#include "gui/qt_text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TMissingPagesForm::TMissingPagesForm(const std::vector<std::string>& urls, QWidget* parent)
    : QDialog(parent) {
    setObjectName("TMissingPagesForm");
    setWindowTitle("Pages Not Found");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QString("The update did not find %1 of the linked pages:").arg(urls.size())));
    QString text;
    for (const std::string& url : urls) {
        text += ToQt(url) + '\n';
    }
    auto* list = new QPlainTextEdit(text);
    list->setObjectName("MissingList");
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setMinimumSize(460, 220);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox;
    QPushButton* remove = buttons->addButton("&Delete Their Links", QDialogButtonBox::AcceptRole);
    remove->setObjectName("DeleteButton");
    QPushButton* keep = buttons->addButton("&Keep Them", QDialogButtonBox::RejectRole);
    keep->setObjectName("KeepButton");
    keep->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    keep->setFocus();
    FixAndCentre(*this);
}
