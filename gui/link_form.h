// The link dialog: shows a LinkForm, lets the person edit it, add a category,
// or fill it from a file, and accepts only with the required fields.
#pragma once

#include "commands/forms.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class WindowUi;

class TLinkForm : public QDialog {
  public:
    TLinkForm(QWidget* parent, WindowUi& ui, const QString& caption, const LinkForm& form);
    LinkForm Form() const;

  private:
    void Show(const LinkForm& form);
    void NewCategory();
    void SelectFile();
    void Validate();
    bool eventFilter(QObject* watched, QEvent* event) override;

    WindowUi& ui_;
    CategoryChoice categories_;
    QLineEdit* urlEdit_;
    QComboBox* catComboBox_;
    QLineEdit* captionEdit_;
    QLineEdit* descEdit_;
    QPlainTextEdit* keysMemo_;
    QCheckBox* fromCheck_;
    QCheckBox* dontUpdateCheckBox_;
};
