// How the main window's side-bar menus look.
#pragma once

class TBcBarMainMenu;
class TBcBarPopupMenu;

// A 24-pixel bar beside the first drop-down menu, from the active caption
// colour, with the product title written up its side.
void StyleMainMenu(TBcBarMainMenu& menu);
// The list's context menu: no bar.
void StyleContextMenu(TBcBarPopupMenu& menu);
