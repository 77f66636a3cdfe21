// The main window: menus, toolbar, the list of categories or links, the status
// bar, and the dialogs, all over WindowCommands.
#pragma once

#include "commands/window_commands.h"

#include <QMainWindow>
#include <map>
#include <memory>

class LinksModel;
class QLabel;
class QLineEdit;
class QMenu;
class QTreeView;
class TAddUpdateSiteForm;

class MainForm : public QMainWindow, public WindowUi {
  public:
    // Takes its place and size from AppSettings.
    MainForm();
    ~MainForm() override;

    WindowCommands& Commands() { return *commands_; }
    QAction* ActionOf(Action action) const { return actions_.at(action); }
    QTreeView* LinksView() const { return linksView_; }
    QLineEdit* FilterField() const { return filterField_; }

    // WindowUi
    void ShowMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    Answer Ask(const std::string& text, const std::string& caption, MessageIcon icon,
               MessageButtons buttons) override;
    void RefreshView() override;
    bool ChooseFileToOpen(const char* filter, std::string& path) override;
    bool ChooseFileToSave(const char* filter, std::string& path, bool askOverwrite) override;
    bool BrowseForFolder(const std::string& prompt, std::string& path) override;
    bool RunCategoryForm(const std::string& caption, std::string& name) override;
    bool RunLinkForm(const std::string& caption, LinkForm& form) override;
    bool RunNewForm(NewForm& form) override;
    bool RunTemplateForm(std::string& name) override;
    bool RunAddSiteForm(AddSiteForm& form) override;
    void ShowAbout() override;
    void ShowProgress() override;
    void ShowProgressFile(const std::string& path) override;
    void CloseProgress() override;
    void ProcessEvents() override;
    MissingPageChoice WarnPageNotFound(const std::string& text) override;
    bool OfferToDeleteMissingLinks(const std::vector<std::string>& urls) override;
    void SetCaption(const std::string& caption) override;
    void SetChangedPanel(const std::string& text) override;
    void SetHintPanel(const std::string& text) override;
    void EnableDocumentCommands() override;
    void SetViewChecked(bool categories) override;
    bool RunCategoryChoice(CategoryChoice& choice) override;
    void SetUndoCaptions(const std::string& undo, const std::string& redo) override;
    void SetRecentFiles(const std::vector<std::string>& files) override;
    void CloseWindow() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateActions();
    void CreateMenusAndToolbar();
    void CreateStatusBar();
    void CreateLinksView();
    QWidget* CreateFilterBar();
    void FocusFilter();
    void SelectShownRows();
    void ShowFilterCount();
    void SetColumnWidths();
    void RecordPlacement();
    QWidget* DialogOwner();
    void AddStandardShortcuts();

    std::map<Action, QAction*> actions_;
    LinksModel* model_;
    QTreeView* linksView_;
    QWidget* filterBar_ = nullptr;
    QLineEdit* filterField_ = nullptr;
    QLabel* filterCount_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QList<QAction*> recentActions_;
    std::vector<std::string> recentFiles_;
    QLabel* viewPanel_;
    QLabel* changedPanel_;
    QLabel* encodingPanel_; // the open engine's encoding
    QLabel* hintPanel_;
    QString standingHint_;
    TAddUpdateSiteForm* progress_ = nullptr;
    std::unique_ptr<WindowCommands> commands_;
};
