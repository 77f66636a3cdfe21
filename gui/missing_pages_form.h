// The end of an update whose missing-page warnings were skipped: the pages not
// found, in a list that can be copied, and the choice to delete their links.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class TMissingPagesForm : public QDialog {
  public:
    TMissingPagesForm(const std::vector<std::string>& urls, QWidget* parent);
};
