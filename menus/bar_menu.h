// What the side-bar main menu and popup menu share: their properties, events,
// the bar's state and cache, and how an item is measured and drawn beside the
// bar. The toolkit's measure and draw requests reach it through
// TBcBarMenuStyle, a proxy over the application's style.
#pragma once

#include "menus/bar_parts.h"

#include <QMenu>
#include <QProxyStyle>
#include <functional>
#include <memory>

class QFontMetrics;
class TBcBarMenuStyle;

// Measures and draws items in place of the default where a menu names it.
class TBcBarMenusDrawModule : public QObject {
  public:
    using QObject::QObject;
    QString Description;

    virtual void MeasureItem(QAction* item, int& width, int& height, bool& defaultMeasure);
    virtual void DrawItem(QAction* item, QPainter& canvas, const QRect& rect, bool& defaultDraw);
};

// The bar's state, one per menu.
struct TBcBarProtected {
    QObject* OwnerMenu = nullptr;
    int BarHeight = 0;
    QImage BarBitmap; // created on first use
    bool CacheValid = false;
    bool Measuring = true;
    int BarBuilds = 0; // how often the bar image was built

    void StartMeasuring() {
        Measuring = true;
        BarHeight = 0;
    }
};

// A menu of the side-bar components: each style option it describes names
// its action, so that the style knows which item it measures or draws.
class TBcMenuWidget : public QMenu {
  public:
    using QMenu::QMenu;

  protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

class TBcBarMenuCore {
  public:
    virtual ~TBcBarMenuCore();

    TBcBar Bar;
    TBcSeparators Separators;
    QFont MenuFont;
    TBcMenuStyle MenuStyle = msAuto;
    bool UseSystemFont = true;
    TBcBarMenusDrawModule* DrawModule = nullptr;
    // The menu shows pictures from an image list: items without a picture of
    // their own then need no extra room.
    bool Images = false;

    std::function<void(QObject* sender, QPainter& canvas, const QRect& rect, bool& defaultDraw)>
        OnBeforeDrawBar;
    std::function<void(QObject* sender, QPainter& canvas, const QRect& rect, TBarParts& drawParts)>
        OnAdvancedBeforeDrawBar;
    std::function<void(QObject* sender, QPainter& canvas, const QRect& rect)> OnAfterDrawBar;
    std::function<void(QObject* sender, QAction* item, const QFontMetrics& canvas, int& width,
                       int& height, bool barVisible, bool& defaultMeasure)>
        OnMeasureMenuItem;

    // msAuto is msWindowsXP only on Windows NT 5.1 and later.
    TBcMenuStyle EffectiveMenuStyle() const;
    const TBcBarProtected& BarState() const { return state_; }

    // Whether the bar is drawn beside this item of this menu.
    bool BarApplies(const QMenu& menu, const QAction& item) const;
    // Adjusts the toolkit's size of an item.
    void MeasureItem(const QMenu& menu, QAction& item, const QFontMetrics& metrics, int& width,
                     int& height);
    // Draws an item with base's look and its slice of the bar.
    void DrawItem(const QStyle& base, const QStyleOptionMenuItem& option, QPainter& painter,
                  const QMenu& menu, QAction& item);

  protected:
    TBcBarMenuCore(QObject* owner, const char* className);
    // The menu of this component whose items have the bar (if it is visible).
    virtual const QMenu* BarMenu() const = 0;
    // Puts a menu of this component under the component's style; each time
    // it is shown, the bar is measured anew.
    void Attach(QMenu& menu);
    // An item of the bar's menu changed: measure anew and rebuild the image.
    void Invalidate();
    // The bar was hidden: the cached image goes too.
    virtual void BarHidden();

  private:
    // Whether the item lies in the menu's first column, once it is laid out.
    bool InFirstColumn(const QMenu& menu, const QAction& item) const;
    bool BarBeside(const QMenu& menu) const;
    void BuildBar();
    void DrawSeparator(QPainter& painter, const QStyleOptionMenuItem& option,
                       const QAction& item) const;

    QObject* owner_;
    TBcBarProtected state_;
    std::unique_ptr<TBcBarMenuStyle> style_;
};

class TBcBarMenuStyle : public QProxyStyle {
  public:
    explicit TBcBarMenuStyle(TBcBarMenuCore& core) : core_(core) {}

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

  private:
    TBcBarMenuCore& core_;
};
