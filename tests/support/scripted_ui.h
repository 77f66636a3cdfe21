// A person who answers from a script and remembers what the program said and
// showed: messages, questions, dialogs, the progress window and the window's
// state.
#pragma once

#include "commands/window_ui.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct ShownMessage {
    std::string Text;
    std::string Caption;
    MessageIcon Icon;
};

class ScriptedUi : public WindowUi {
  public:
    std::vector<ShownMessage> Messages;
    std::vector<ShownMessage> Questions;
    std::vector<MessageButtons> QuestionButtons;
    std::deque<Answer> Answers; // taken in order; No when none is left
    int Refreshes = 0;

    // Answers of the file and folder choosers, taken in order; an empty text
    // or none left cancels. What each chooser was given is logged.
    std::deque<std::string> ChosenPaths;
    struct Chooser {
        std::string Kind;   // "open", "save", "save without question" or "folder"
        std::string Filter; // the prompt for the folder chooser
        std::string Proposed;
    };
    std::vector<Chooser> Choosers;

    // The dialogs: each script fills the form and answers OK (true) or Cancel;
    // without a script the dialog is cancelled. Dialog captions are logged.
    std::function<bool(std::string& name)> CategoryForm;
    std::function<bool(LinkForm& form)> LinkFormScript;
    std::function<bool(NewForm& form)> NewFormScript;
    std::function<bool(std::string& name)> TemplateForm;
    std::function<bool(AddSiteForm& form)> AddSiteFormScript;
    std::function<bool(CategoryChoice& choice)> CategoryChoiceScript;
    std::vector<std::string> Dialogs;

    std::deque<MissingPageChoice> MissingPageChoices;
    std::vector<std::vector<std::string>> MissingLinkOffers; // the URLs of each offer
    bool DeleteMissingLinks = false;

    // Window events let run during a scan.
    std::function<void()> OnProcessEvents;
    std::vector<std::string> ProgressLog; // "show", the files, "close"

    std::string Caption;
    std::string ChangedPanel;
    std::string HintPanel;
    std::string UndoCaption;
    std::string RedoCaption;
    std::vector<std::string> RecentFiles;
    bool DocumentCommandsEnabled = false;
    bool CategoriesChecked = false;
    int CloseRequests = 0;

    void ShowMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override {
        Messages.push_back({text, caption, icon});
    }
    Answer Ask(const std::string& text, const std::string& caption, MessageIcon icon,
               MessageButtons buttons) override {
        Questions.push_back({text, caption, icon});
        QuestionButtons.push_back(buttons);
        if (Answers.empty()) {
            return Answer::No;
        }
        const Answer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void RefreshView() override { ++Refreshes; }

    bool ChooseFileToOpen(const char* filter, std::string& path) override {
        return Choose("open", filter, path);
    }
    bool ChooseFileToSave(const char* filter, std::string& path, bool askOverwrite) override {
        return Choose(askOverwrite ? "save" : "save without question", filter, path);
    }
    bool BrowseForFolder(const std::string& prompt, std::string& path) override {
        return Choose("folder", prompt, path);
    }

    bool RunCategoryForm(const std::string& caption, std::string& name) override {
        Dialogs.push_back(caption);
        return CategoryForm && CategoryForm(name);
    }
    bool RunLinkForm(const std::string& caption, LinkForm& form) override {
        Dialogs.push_back(caption);
        return LinkFormScript && LinkFormScript(form);
    }
    bool RunNewForm(NewForm& form) override {
        Dialogs.push_back("New search engine file");
        return NewFormScript && NewFormScript(form);
    }
    bool RunTemplateForm(std::string& name) override {
        Dialogs.push_back("Create a new template");
        return TemplateForm && TemplateForm(name);
    }
    bool RunAddSiteForm(AddSiteForm& form) override {
        Dialogs.push_back("Add Site");
        return AddSiteFormScript && AddSiteFormScript(form);
    }
    void ShowAbout() override { Dialogs.push_back("About the Program"); }

    void ShowProgress() override { ProgressLog.push_back("show"); }
    void ShowProgressFile(const std::string& path) override { ProgressLog.push_back(path); }
    void CloseProgress() override { ProgressLog.push_back("close"); }
    void ProcessEvents() override {
        if (OnProcessEvents) {
            OnProcessEvents();
        }
    }
    // A missing page's warning is logged among the messages; the choices are
    // taken in order, going on when none is left.
    MissingPageChoice WarnPageNotFound(const std::string& text) override {
        Messages.push_back({text, "Warning", MessageIcon::Warning});
        if (MissingPageChoices.empty()) {
            return MissingPageChoice::GoOn;
        }
        const MissingPageChoice choice = MissingPageChoices.front();
        MissingPageChoices.pop_front();
        return choice;
    }
    bool OfferToDeleteMissingLinks(const std::vector<std::string>& urls) override {
        MissingLinkOffers.push_back(urls);
        return DeleteMissingLinks;
    }

    void SetCaption(const std::string& caption) override { Caption = caption; }
    void SetChangedPanel(const std::string& text) override { ChangedPanel = text; }
    void SetHintPanel(const std::string& text) override { HintPanel = text; }
    void EnableDocumentCommands() override { DocumentCommandsEnabled = true; }
    void SetViewChecked(bool categories) override { CategoriesChecked = categories; }
    void CloseWindow() override { ++CloseRequests; }
    bool RunCategoryChoice(CategoryChoice& choice) override {
        Dialogs.push_back("Change Category");
        return CategoryChoiceScript && CategoryChoiceScript(choice);
    }
    void SetUndoCaptions(const std::string& undo, const std::string& redo) override {
        UndoCaption = undo;
        RedoCaption = redo;
    }
    void SetRecentFiles(const std::vector<std::string>& files) override { RecentFiles = files; }

  private:
    bool Choose(const std::string& kind, const std::string& filter, std::string& path) {
        Choosers.push_back({kind, filter, path});
        if (ChosenPaths.empty() || ChosenPaths.front().empty()) {
            if (!ChosenPaths.empty()) {
                ChosenPaths.pop_front();
            }
            return false;
        }
        path = ChosenPaths.front();
        ChosenPaths.pop_front();
        return true;
    }
};
