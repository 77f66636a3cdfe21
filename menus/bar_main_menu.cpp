#include "menus/bar_main_menu.h"

TBcCustomBarMainMenu::TBcCustomBarMainMenu(QWidget* parent)
    : TBcCustomBarMainMenu(parent, "TBcCustomBarMainMenu") {}

TBcCustomBarMainMenu::TBcCustomBarMainMenu(QWidget* parent, const char* className)
    : QMenuBar(parent), TBcBarMenuCore(this, className) {}

TBcMenuWidget* TBcCustomBarMainMenu::AddMenu(const QString& title) {
    auto* menu = new TBcMenuWidget(title, this);
    Attach(*menu);
    addMenu(menu);
    return menu;
}

const QMenu* TBcCustomBarMainMenu::BarMenu() const {
    for (QAction* action : actions()) {
        if (action->isVisible()) {
            return action->menu();
        }
    }
    return nullptr;
}

void TBcCustomBarMainMenu::BarHidden() {
    TBcBarMenuCore::BarHidden();
    for (QAction* action : actions()) {
        if (QMenu* menu = action->menu()) {
            menu->update();
        }
    }
}
