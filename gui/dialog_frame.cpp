#include "gui/dialog_frame.h"

#include "app/documents.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

void FixAndCentre(QDialog& dialog) {
    dialog.adjustSize();
    dialog.setFixedSize(dialog.sizeHint());
    // Over the window it belongs to, kept on that window's screen.
    const QWidget* owner = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect available = screen->availableGeometry();
    QRect frame = dialog.frameGeometry();
    frame.moveCenter(owner && owner->isVisible() ? owner->frameGeometry().center()
                                                 : available.center());
    frame.moveLeft(
        std::max(available.left(), std::min(frame.left(), available.right() - frame.width())));
    frame.moveTop(
        std::max(available.top(), std::min(frame.top(), available.bottom() - frame.height())));
    dialog.move(frame.topLeft());
}

DialogButtons AddDialogButtons(QDialog& dialog, QBoxLayout& layout, const char* helpPage,
                               bool acceptOnOk) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    DialogButtons buttons{new QPushButton("OK"), new QPushButton("&Cancel"), nullptr};
    buttons.Ok->setDefault(true);
    row->addWidget(buttons.Ok);
    row->addWidget(buttons.Cancel);
    if (acceptOnOk) {
        QObject::connect(buttons.Ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    }
    QObject::connect(buttons.Cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    if (helpPage) {
        buttons.Help = new QPushButton("&Help");
        buttons.Help->setAutoDefault(false);
        row->addWidget(buttons.Help);
        QObject::connect(buttons.Help, &QPushButton::clicked,
                         [helpPage] { OpenHelpPage(helpPage); });
    }
    layout.addLayout(row);
    return buttons;
}
