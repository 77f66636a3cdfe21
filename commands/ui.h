// How the commands talk to the person: the window implements this with message
// boxes and dialogs, the command-line tool with standard error, and tests with
// scripted answers.
#pragma once

#include <string>

enum class MessageIcon { Error, Warning, Question, Information };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

class Ui {
  public:
    virtual ~Ui() = default;

    virtual void ShowMessage(const std::string& text, const std::string& caption,
                             MessageIcon icon) = 0;
    virtual Answer Ask(const std::string& text, const std::string& caption, MessageIcon icon,
                       MessageButtons buttons) = 0;
    // Redraws the list of categories or links from the lists in memory.
    virtual void RefreshView() = 0;
};
