// The new engine file dialog: a path, a template, and OK that creates the file.
#pragma once

#include "commands/forms.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class Ui;

class TNewForm : public QDialog {
  public:
    TNewForm(QWidget* parent, Ui& ui, NewForm& form);

  private:
    void ChoosePath();
    void Accept();

    Ui& ui_;
    NewForm& form_;
    QLineEdit* pathEdit_;
    QComboBox* templateComboBox_;
};
