// The person, as seen by a batch run: messages go to standard error, every
// question is answered No, and an error message marks the run as failed.
#pragma once

#include "commands/ui.h"

class CliUi : public Ui {
  public:
    void ShowMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    Answer Ask(const std::string& text, const std::string& caption, MessageIcon icon,
               MessageButtons buttons) override;
    void RefreshView() override {}

    bool Failed() const { return failed_; }

  private:
    bool failed_ = false;
};
