#include "menus/bar_parts.h"

#include <QApplication>
#include <QPalette>
#include <stdexcept>

void RequireOwner(const QObject* owner, const char* className) {
    if (!owner) {
        throw std::invalid_argument(std::string("Tried to create ") + className +
                                    " with no owner.");
    }
}

TBcGradientBar::TBcGradientBar(QObject* owner, const char* className, TColor start, TColor end,
                               TGradientStyle style)
    : GradientStart(start), GradientEnd(end), GradientStyle(style) {
    RequireOwner(owner, className);
}

TBcBarPicture::TBcBarPicture(QObject* owner, const char* className) {
    RequireOwner(owner, className);
}

TBcBarBackPicture::TBcBarBackPicture(QObject* owner) : TBcBarPicture(owner, "TBcBarBackPicture") {
    VertAlignment = vaTop;
    HorzAlignment = haLeft;
}

QFont TahomaFont() {
    QFont font;
    font.setFamilies({"Tahoma", "DejaVu Sans", "Liberation Sans"});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

TBcBarCaption::TBcBarCaption(QObject* owner) : Font(TahomaFont()) {
    RequireOwner(owner, "TBcBarCaption");
    Font.setPointSize(14);
    Font.setBold(true);
    Font.setItalic(true);
}

TBcBar::TBcBar(QObject* owner)
    : TBcGradientBar(owner, "TBcBar", 0xD8BEAF, 0, gsVertical), BarPicture(owner),
      BarBackPicture(owner), BarCaption(owner) {}

void TBcBar::SetVisible(bool visible) {
    visible_ = visible;
    if (!visible && OnHidden) {
        OnHidden();
    }
}

namespace {

TColor ButtonShadowColour() {
    const QColor shadow = QApplication::palette().color(QPalette::Dark);
    return ColourOf(shadow.red(), shadow.green(), shadow.blue());
}

} // namespace

TBcSeparators::TBcSeparators(QObject* owner)
    : TBcGradientBar(owner, "TBcSeparators", 0x808080, 0xC0C0C0, gsHorizontal),
      FadeColor(ButtonShadowColour()) {}
