// The dialog that names a new template.
#pragma once

#include <QDialog>

class QLineEdit;

class TTemplateForm : public QDialog {
  public:
    explicit TTemplateForm(QWidget* parent);
    QString Name() const;

  private:
    QLineEdit* nameEdit_;
};
