// The category name dialog.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

class TCatForm : public QDialog {
  public:
    TCatForm(QWidget* parent, const QString& caption, const QString& name);
    QString Name() const;

  private:
    QLineEdit* nameEdit_;
    QPushButton* okButton_;
};
