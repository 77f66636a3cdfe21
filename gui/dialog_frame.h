// What the dialogs share: a fixed border, centred on the screen, and the row of
// OK, Cancel and Help buttons.
#pragma once

#include <QDialog>

class QBoxLayout;
class QPushButton;

// Fixes the dialog's size to its layout and centres it over the window it
// belongs to (on the screen when it has none), kept inside that screen.
void FixAndCentre(QDialog& dialog);

struct DialogButtons {
    QPushButton* Ok;
    QPushButton* Cancel;
    QPushButton* Help; // nullptr when the dialog has none
};

// Adds "OK" (default), "&Cancel" (Esc) and, with a help page, "&Help", which
// opens that manual page and leaves the dialog open. OK and Cancel close the
// dialog unless the caller connects OK itself (acceptOnOk false).
DialogButtons AddDialogButtons(QDialog& dialog, QBoxLayout& layout, const char* helpPage,
                               bool acceptOnOk = true);
