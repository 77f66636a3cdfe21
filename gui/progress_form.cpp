#include "gui/progress_form.h"

#include "commands/site_commands.h"
#include "indexer/site_scan.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAddUpdateSiteForm::TAddUpdateSiteForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      fileLabel_(new QLabel) {
    setObjectName("TAddUpdateSiteForm");
    setWindowTitle("Scanning the Indexing Files...");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Current File:"));
    fileLabel_->setObjectName("FileLabel");
    fileLabel_->setFixedWidth(420);
    fileLabel_->setTextFormat(Qt::PlainText);
    layout->addWidget(fileLabel_);
    auto* stopButton = new QPushButton("&Stop");
    stopButton->setObjectName("StopButton");
    stopButton->setDefault(true);
    connect(stopButton, &QPushButton::clicked, [] { StopRequested = true; });
    layout->addWidget(stopButton, 0, Qt::AlignHCenter);
    stopButton->setFocus();
}

void TAddUpdateSiteForm::ShowFile(const QString& path) {
    fileLabel_->setText(path);
}

void TAddUpdateSiteForm::closeEvent(QCloseEvent* event) {
    if (ProgressMayClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

// Esc asks to close like the window's close request does.
void TAddUpdateSiteForm::reject() {
    if (ProgressMayClose()) {
        QDialog::reject();
    }
}
