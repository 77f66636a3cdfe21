// The progress window of a scan: the file being indexed and a Stop button. It
// closes only once a stop was requested; the first request to close stops the
// scan instead.
#pragma once

#include <QDialog>

class QLabel;

class TAddUpdateSiteForm : public QDialog {
  public:
    explicit TAddUpdateSiteForm(QWidget* parent);
    void ShowFile(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    QLabel* fileLabel_;
};
