// A person who answers from a script and remembers what the program said.
#pragma once

#include "commands/ui.h"

#include <deque>
#include <string>
#include <vector>

struct ShownMessage {
    std::string Text;
    std::string Caption;
    MessageIcon Icon;
};

class ScriptedUi : public Ui {
  public:
    std::vector<ShownMessage> Messages;
    std::vector<ShownMessage> Questions;
    std::deque<Answer> Answers; // taken in order; No when none is left
    int Refreshes = 0;

    void ShowMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override {
        Messages.push_back({text, caption, icon});
    }
    Answer Ask(const std::string& text, const std::string& caption, MessageIcon icon,
               MessageButtons) override {
        Questions.push_back({text, caption, icon});
        if (Answers.empty()) {
            return Answer::No;
        }
        const Answer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void RefreshView() override { ++Refreshes; }
};
