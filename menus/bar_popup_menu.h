// The popup menu with the side bar beside its own items.
#pragma once

#include "menus/bar_menu.h"

class TBcCustomBarPopupMenu : public TBcMenuWidget, public TBcBarMenuCore {
  public:
    explicit TBcCustomBarPopupMenu(QWidget* parent);

  protected:
    TBcCustomBarPopupMenu(QWidget* parent, const char* className);
    const QMenu* BarMenu() const override { return this; }
    // A change of the menu's own items measures the bar anew and rebuilds it.
    void actionEvent(QActionEvent* event) override;
};

class TBcBarPopupMenu : public TBcCustomBarPopupMenu {
  public:
    explicit TBcBarPopupMenu(QWidget* parent) : TBcCustomBarPopupMenu(parent, "TBcBarPopupMenu") {}
};
