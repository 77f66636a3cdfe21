// The main menu with the side bar beside the items of its first drop-down menu.
#pragma once

#include "menus/bar_menu.h"

#include <QMenuBar>

class TBcCustomBarMainMenu : public QMenuBar, public TBcBarMenuCore {
  public:
    explicit TBcCustomBarMainMenu(QWidget* parent);

    // Adds a drop-down menu drawn by this component.
    TBcMenuWidget* AddMenu(const QString& title);

  protected:
    TBcCustomBarMainMenu(QWidget* parent, const char* className);
    // The drop-down menu of the first visible top-level item.
    const QMenu* BarMenu() const override;
    // The menu is drawn anew without the bar.
    void BarHidden() override;
};

class TBcBarMainMenu : public TBcCustomBarMainMenu {
  public:
    explicit TBcBarMainMenu(QWidget* parent) : TBcCustomBarMainMenu(parent, "TBcBarMainMenu") {}
};
