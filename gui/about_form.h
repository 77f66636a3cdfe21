// The about box.
#pragma once

#include <QDialog>

class TAboutForm : public QDialog {
  public:
    explicit TAboutForm(QWidget* parent);
};
