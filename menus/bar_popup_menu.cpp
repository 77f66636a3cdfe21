#include "menus/bar_popup_menu.h"

TBcCustomBarPopupMenu::TBcCustomBarPopupMenu(QWidget* parent)
    : TBcCustomBarPopupMenu(parent, "TBcCustomBarPopupMenu") {}

TBcCustomBarPopupMenu::TBcCustomBarPopupMenu(QWidget* parent, const char* className)
    : TBcMenuWidget(parent), TBcBarMenuCore(this, className) {
    Attach(*this);
}

void TBcCustomBarPopupMenu::actionEvent(QActionEvent* event) {
    Invalidate();
    TBcMenuWidget::actionEvent(event);
}
