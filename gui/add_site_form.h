// The add-site dialog: the category of the new links and how to walk the folder.
#pragma once

#include "commands/forms.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class WindowUi;

class TAddSiteForm : public QDialog {
  public:
    TAddSiteForm(QWidget* parent, WindowUi& ui, const AddSiteForm& form);
    AddSiteForm Form() const;

  private:
    void NewCategory();

    WindowUi& ui_;
    CategoryChoice categories_;
    QComboBox* catComboBox_;
    QCheckBox* recurseCheckBox_;
    QCheckBox* alreadyCheckBox_;
};
