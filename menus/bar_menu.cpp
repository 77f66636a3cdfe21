#include "menus/bar_menu.h"

#include "menus/bar_image.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStyleOptionMenuItem>

void TBcBarMenusDrawModule::MeasureItem(QAction*, int&, int&, bool&) {}
void TBcBarMenusDrawModule::DrawItem(QAction*, QPainter&, const QRect&, bool&) {}

void TBcMenuWidget::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    option->styleObject = const_cast<QAction*>(action);
}

TBcBarMenuCore::TBcBarMenuCore(QObject* owner, const char* className)
    : Bar(owner), Separators(owner), owner_(owner),
      style_(std::make_unique<TBcBarMenuStyle>(*this)) {
    RequireOwner(owner, className);
    state_.OwnerMenu = owner;
    Bar.OnHidden = [this] { BarHidden(); };
}

TBcBarMenuCore::~TBcBarMenuCore() = default;

TBcMenuStyle TBcBarMenuCore::EffectiveMenuStyle() const {
    // The menu look of Windows NT 5.1 and later is only found on Windows.
#ifdef Q_OS_WIN
    return MenuStyle == msAuto ? msWindowsXP : MenuStyle;
#else
    return MenuStyle == msAuto ? msStandard : MenuStyle;
#endif
}

void TBcBarMenuCore::Attach(QMenu& menu) {
    menu.setStyle(style_.get());
    QObject::connect(&menu, &QMenu::aboutToShow, owner_, [this] { state_.StartMeasuring(); });
}

void TBcBarMenuCore::Invalidate() {
    state_.StartMeasuring();
    state_.CacheValid = false;
}

void TBcBarMenuCore::BarHidden() {
    state_.BarBitmap = QImage();
    Invalidate();
}

bool TBcBarMenuCore::BarBeside(const QMenu& menu) const {
    return Bar.Visible() && &menu == BarMenu();
}

bool TBcBarMenuCore::InFirstColumn(const QMenu& menu, const QAction& item) const {
    for (QAction* action : menu.actions()) {
        if (action->isVisible()) {
            return menu.actionGeometry(const_cast<QAction*>(&item)).x() <=
                   menu.actionGeometry(action).x();
        }
    }
    return true;
}

bool TBcBarMenuCore::BarApplies(const QMenu& menu, const QAction& item) const {
    return BarBeside(menu) && InFirstColumn(menu, item);
}

// Called while the menu lays out its items, before their columns are known.
void TBcBarMenuCore::MeasureItem(const QMenu& menu, QAction& item, const QFontMetrics& metrics,
                                 int& width, int& height) {
    const bool windowsXP = EffectiveMenuStyle() == msWindowsXP;
    if (item.isSeparator()) {
        const QString text = item.isEnabled() ? item.statusTip() : QString();
        height = !text.isEmpty() ? 14 : windowsXP ? 9 : 12;
    } else {
        if (!Images && item.icon().isNull()) {
            width += 23;
        }
        if (windowsXP) {
            height += height % 2;
            width += 2;
        }
    }
    const bool barVisible = BarBeside(menu);
    bool defaultMeasure = true;
    if (OnMeasureMenuItem) {
        OnMeasureMenuItem(owner_, &item, metrics, width, height, barVisible, defaultMeasure);
    }
    if (defaultMeasure && DrawModule) {
        DrawModule->MeasureItem(&item, width, height, defaultMeasure);
    }
    if (defaultMeasure && Separators.SeparatorStyle == ssShortLine) {
        width += 10;
    }
    if (barVisible) {
        width += Bar.Width + Bar.Space;
        if (state_.Measuring && item.isVisible()) {
            state_.BarHeight += height;
        }
    }
}

void TBcBarMenuCore::DrawItem(const QStyle& base, const QStyleOptionMenuItem& option,
                              QPainter& painter, const QMenu& menu, QAction& item) {
    const QRect given = option.rect;
    QStyleOptionMenuItem itemOption = option;
    const bool barApplies = BarApplies(menu, item);
    if (barApplies) {
        const int beside = Bar.Width + Bar.Space;
        itemOption.rect.setWidth(itemOption.rect.width() - beside);
        if (Bar.Side == sLeft) {
            itemOption.rect.translate(beside, 0);
        }
    }
    painter.save();
    if (!UseSystemFont) {
        itemOption.font = MenuFont;
        painter.setFont(MenuFont);
    }
    bool defaultDraw = true;
    if (DrawModule) {
        DrawModule->DrawItem(&item, painter, itemOption.rect, defaultDraw);
    }
    if (defaultDraw) {
        if (Separators.SeparatorStyle == ssShortLine) {
            itemOption.rect.setRight(itemOption.rect.right() - 10);
        }
        if (item.isSeparator()) {
            DrawSeparator(painter, itemOption, item);
        } else {
            base.drawControl(QStyle::CE_MenuItem, &itemOption, &painter, &menu);
        }
    }
    painter.restore();
    if (!barApplies) {
        return;
    }
    if (state_.Measuring) {
        state_.BarHeight = menu.height();
        state_.Measuring = false;
    }
    if (state_.BarHeight <= 0 || Bar.Width <= 0) {
        return;
    }
    // A bitmap of another size than the bar's is made anew, and the bar with it.
    if (state_.BarBitmap.size() != QSize(Bar.Width, state_.BarHeight)) {
        state_.BarBitmap = QImage(Bar.Width, state_.BarHeight, QImage::Format_RGB32);
        state_.CacheValid = false;
    }
    const bool building = !state_.CacheValid;
    if (building) {
        BuildBar();
    }
    const int x = Bar.Side == sLeft ? given.left() : given.right() + 1 - Bar.Width;
    painter.drawImage(QPoint(x, given.top()), state_.BarBitmap,
                      QRect(0, given.top(), Bar.Width, given.height()));
    if (building) {
        if (OnAfterDrawBar) {
            QPainter canvas(&state_.BarBitmap);
            OnAfterDrawBar(owner_, canvas, itemOption.rect);
        }
        state_.CacheValid = true;
    }
}

void TBcBarMenuCore::BuildBar() {
    ++state_.BarBuilds;
    const QRect whole = state_.BarBitmap.rect();
    TBarParts parts{bpGradient};
    {
        QPainter canvas(&state_.BarBitmap);
        bool defaultDraw = true;
        if (OnBeforeDrawBar) {
            OnBeforeDrawBar(owner_, canvas, whole, defaultDraw);
        }
        if (!defaultDraw) {
            return;
        }
        if (Bar.BarPicture.Visible) {
            parts.Include(bpPicture);
        }
        if (Bar.BarBackPicture.Visible) {
            parts.Include(bpBackPicture);
        }
        if (Bar.BarCaption.Visible) {
            parts.Include(bpCaption);
        }
        if (OnAdvancedBeforeDrawBar) {
            OnAdvancedBeforeDrawBar(owner_, canvas, whole, parts);
        }
    }
    DrawBarParts(state_.BarBitmap, Bar, parts);
}

// A line across the item in the separators' gradient, fading into the menu
// at its ends when Fade is set; an enabled separator with a hint shows it.
void TBcBarMenuCore::DrawSeparator(QPainter& painter, const QStyleOptionMenuItem& option,
                                   const QAction& item) const {
    const QRect area = option.rect.adjusted(2, 0, -2, 0);
    const int middle = area.center().y();
    QLinearGradient line(area.left(), 0, area.right(), 0);
    const auto colour = [](TColor value) {
        return QColor(RedOf(value), GreenOf(value), BlueOf(value));
    };
    line.setColorAt(0, colour(Separators.GradientStart));
    line.setColorAt(1, colour(Separators.GradientEnd));
    if (Separators.Fade && area.width() > 0) {
        const double fade = std::min(0.5, double(Separators.FadeWidth) / area.width());
        QColor faded = colour(Separators.FadeColor);
        faded.setAlpha(0);
        line.setColorAt(0, faded);
        line.setColorAt(fade, colour(Separators.GradientStart));
        line.setColorAt(1 - fade, colour(Separators.GradientEnd));
        line.setColorAt(1, faded);
    }
    const QString hint = item.isEnabled() ? item.statusTip() : QString();
    if (!hint.isEmpty() && Separators.SeparatorStyle == ssCaption) {
        painter.setFont(Separators.UseSystemFont ? option.font : Separators.Font);
        painter.setPen(option.palette.color(QPalette::Text));
        painter.drawText(area, Separators.Alignment | Qt::AlignVCenter, hint);
        return;
    }
    painter.setPen(QPen(QBrush(line), 1));
    painter.drawLine(area.left(), middle, area.right(), middle);
    if (!Separators.FlatLines) {
        painter.setPen(option.palette.color(QPalette::Light));
        painter.drawLine(area.left(), middle + 1, area.right(), middle + 1);
    }
}

QSize TBcBarMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                        const QSize& size, const QWidget* widget) const {
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    const auto* menu = qobject_cast<const QMenu*>(widget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    auto* action = item ? qobject_cast<QAction*>(item->styleObject) : nullptr;
    if (type == CT_MenuItem && menu && action) {
        int width = result.width();
        int height = result.height();
        core_.MeasureItem(*menu, *action, item->fontMetrics, width, height);
        result = QSize(width, height);
    }
    return result;
}

void TBcBarMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    const auto* menu = qobject_cast<const QMenu*>(widget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    auto* action = item ? qobject_cast<QAction*>(item->styleObject) : nullptr;
    if (element == CE_MenuItem && menu && action && painter) {
        core_.DrawItem(*baseStyle(), *item, *painter, *menu, *action);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}
