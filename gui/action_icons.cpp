#include "gui/action_icons.h"

#include <QApplication>
#include <QStyle>

namespace {

struct IconSource {
    Action Id;
    const char* ThemeName;
    QStyle::StandardPixmap Fallback;
};

const IconSource Sources[] = {
    {Action::FileNew, "document-new", QStyle::SP_FileIcon},
    {Action::FileOpen, "document-open", QStyle::SP_DialogOpenButton},
    {Action::FileSave, "document-save", QStyle::SP_DialogSaveButton},
    {Action::FileSaveAs, "document-save-as", QStyle::SP_DialogSaveButton},
    {Action::FilePreview, "web-browser", QStyle::SP_FileDialogContentsView},
    {Action::FileExit, "application-exit", QStyle::SP_DialogCloseButton},
    {Action::EditAdd, "list-add", QStyle::SP_FileDialogNewFolder},
    {Action::AddSite, "folder-new", QStyle::SP_DirOpenIcon},
    {Action::EditModify, "document-properties", QStyle::SP_FileDialogDetailedView},
    {Action::UpdateBase, "view-refresh", QStyle::SP_BrowserReload},
    {Action::EditDelete, "edit-delete", QStyle::SP_TrashIcon},
    {Action::EditClear, "edit-clear", QStyle::SP_DialogResetButton},
    {Action::MoveToBegin, "go-top", QStyle::SP_MediaSkipBackward},
    {Action::MoveUp, "go-up", QStyle::SP_ArrowUp},
    {Action::MoveDown, "go-down", QStyle::SP_ArrowDown},
    {Action::MoveToEnd, "go-bottom", QStyle::SP_MediaSkipForward},
    {Action::ViewCat, "view-list-tree", QStyle::SP_FileDialogListView},
    {Action::ViewLinks, "view-list-details", QStyle::SP_FileDialogDetailedView},
    {Action::HelpIndex, "help-contents", QStyle::SP_DialogHelpButton},
    {Action::HelpAbout, "help-about", QStyle::SP_MessageBoxInformation},
};

} // namespace

QIcon ActionIcon(Action action) {
    for (const IconSource& source : Sources) {
        if (source.Id == action) {
            return QIcon::fromTheme(source.ThemeName,
                                    QApplication::style()->standardIcon(source.Fallback));
        }
    }
    return QIcon();
}
