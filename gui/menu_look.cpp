#include "gui/menu_look.h"

#include "app/app_settings.h"
#include "menus/bar_main_menu.h"
#include "menus/bar_popup_menu.h"

#include <QApplication>
#include <QPalette>

namespace {

// Fading separators in the look of Windows XP menus.
void StyleCommon(TBcBarMenuCore& menu) {
    menu.Separators.Fade = true;
    menu.MenuStyle = msWindowsXP;
    menu.Images = true;
}

QFont CaptionFont(int pixels, bool italic) {
    QFont font = TahomaFont();
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setItalic(italic);
    return font;
}

} // namespace

void StyleMainMenu(TBcBarMainMenu& menu) {
    StyleCommon(menu);
    // The platform has no caption colour of its own: the highlight stands in.
    const QColor caption = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    menu.Bar.GradientStart = ColourOf(caption.red(), caption.green(), caption.blue());
    menu.Bar.Width = 24;
    menu.Bar.BarBackPicture.Transparent = false;
    menu.Bar.BarBackPicture.VertAlignment = vaBottom;
    menu.Bar.BarCaption.Caption = ProductTitle;
    menu.Bar.BarCaption.Font = CaptionFont(15, false);
    menu.Bar.BarCaption.FontColor = ColourOf(255, 255, 255);
}

void StyleContextMenu(TBcBarPopupMenu& menu) {
    StyleCommon(menu);
    menu.Bar.SetVisible(false);
    menu.Bar.BarCaption.Font = CaptionFont(19, true);
}
