#include "menus/bar_main_menu.h"
#include "menus/bar_popup_menu.h"

#include <QApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

QAction* Separator(QMenu& menu, const QString& hint) {
    QAction* separator = menu.addSeparator();
    separator->setStatusTip(hint);
    return separator;
}

TEST(BarMenuMeasure, SeparatorHeights) {
    QWidget window;
    TBcBarPopupMenu menu(&window);
    menu.addAction("Open");
    QAction* named = Separator(menu, "Files");
    menu.addAction("Save");
    QAction* plain = Separator(menu, "");
    menu.addAction("Print");
    QAction* disabled = Separator(menu, "Files");
    disabled->setEnabled(false);
    menu.addAction("Close");

    menu.MenuStyle = msWindowsXP;
    menu.adjustSize();
    EXPECT_EQ(menu.actionGeometry(named).height(), 14);
    EXPECT_EQ(menu.actionGeometry(plain).height(), 9);
    EXPECT_EQ(menu.actionGeometry(disabled).height(), 9);

    menu.MenuStyle = msStandard;
    menu.addAction("Relayout"); // a change lays the menu out again
    menu.adjustSize();
    EXPECT_EQ(menu.actionGeometry(named).height(), 14);
    EXPECT_EQ(menu.actionGeometry(plain).height(), 12);
    EXPECT_EQ(menu.EffectiveMenuStyle(), msStandard);
    menu.MenuStyle = msAuto;
    EXPECT_EQ(menu.EffectiveMenuStyle(), msStandard); // not Windows
}

TEST(BarMenuMeasure, WidthAdditionsAndTheSummedHeight) {
    QWidget window;
    TBcBarPopupMenu menu(&window);
    QAction* item = menu.addAction("Item");
    const QFontMetrics metrics(menu.font());
    const auto measure = [&](int width, int height) {
        menu.MeasureItem(menu, *item, metrics, width, height);
        return QSize(width, height);
    };
    // No image list and no picture: +23; the bar: +32 +1.
    menu.MenuStyle = msStandard;
    EXPECT_EQ(measure(100, 21), QSize(100 + 23 + 33, 21));
    // Windows XP look: the height rounded up to even, +2.
    menu.MenuStyle = msWindowsXP;
    EXPECT_EQ(measure(100, 21), QSize(100 + 23 + 2 + 33, 22));
    EXPECT_EQ(measure(100, 20), QSize(100 + 23 + 2 + 33, 20));
    menu.Images = true;
    EXPECT_EQ(measure(100, 20), QSize(100 + 2 + 33, 20));
    menu.Separators.SeparatorStyle = ssShortLine;
    EXPECT_EQ(measure(100, 20), QSize(100 + 2 + 10 + 33, 20));
    // The event may take over; the bar is still added.
    menu.OnMeasureMenuItem = [](QObject*, QAction*, const QFontMetrics&, int& width, int& height,
                                bool barVisible, bool& defaultMeasure) {
        EXPECT_TRUE(barVisible);
        width = 50;
        height = 30;
        defaultMeasure = false;
    };
    EXPECT_EQ(measure(100, 20), QSize(50 + 33, 30));
    menu.OnMeasureMenuItem = nullptr;
    menu.Bar.SetVisible(false);
    EXPECT_EQ(measure(100, 20), QSize(100 + 2 + 10, 20));

    // While measuring, the heights of the items beside the bar add up.
    menu.Bar.SetVisible(true);
    EXPECT_EQ(menu.BarState().BarHeight, 0);
    EXPECT_TRUE(menu.BarState().Measuring);
    measure(100, 20);
    measure(100, 24);
    EXPECT_EQ(menu.BarState().BarHeight, 44);
}

TEST(BarMenuApplies, FirstDropDownOfTheMainMenuOnly) {
    QWidget window;
    TBcBarMainMenu main(&window);
    TBcMenuWidget* file = main.AddMenu("&File");
    QAction* open = file->addAction("Open");
    QMenu* recent = file->addMenu("Recent");
    QAction* old = recent->addAction("old.js");
    TBcMenuWidget* edit = main.AddMenu("&Edit");
    QAction* cut = edit->addAction("Cut");
    EXPECT_TRUE(main.BarApplies(*file, *open));
    EXPECT_FALSE(main.BarApplies(*recent, *old));
    EXPECT_FALSE(main.BarApplies(*edit, *cut));
    // The first visible top-level item decides.
    main.actions().first()->setVisible(false);
    EXPECT_FALSE(main.BarApplies(*file, *open));
    EXPECT_TRUE(main.BarApplies(*edit, *cut));
}

TEST(BarMenuApplies, PopupItemsOfTheFirstColumnOnly) {
    QWidget window;
    TBcBarPopupMenu menu(&window);
    QMenu* sub = menu.addMenu("More");
    QAction* inner = sub->addAction("Inner");
    // More items than the screen can hold in one column.
    const int rows = QApplication::primaryScreen()->availableGeometry().height() / 10;
    for (int i = 0; i < rows; ++i) {
        menu.addAction(QString("Item %1").arg(i));
    }
    menu.adjustSize();
    const QList<QAction*> items = menu.actions();
    EXPECT_TRUE(menu.BarApplies(menu, *items.first()));
    EXPECT_FALSE(menu.BarApplies(*sub, *inner));
    ASSERT_GT(menu.actionGeometry(items.last()).x(), menu.actionGeometry(items.first()).x())
        << "the menu did not need a second column";
    EXPECT_FALSE(menu.BarApplies(menu, *items.last()));
}

TEST(BarMenuCache, BuiltOncePerInvalidation) {
    QWidget window;
    TBcBarPopupMenu menu(&window);
    menu.Bar.BarCaption.Caption = "Sitevane";
    QAction* item = menu.addAction("Open");
    menu.addAction("Save");
    const auto show = [&] {
        menu.popup(QPoint(10, 10));
        QApplication::processEvents();
        menu.grab();
        menu.hide();
    };
    show();
    EXPECT_EQ(menu.BarState().BarBuilds, 1);
    EXPECT_EQ(menu.BarState().BarHeight, menu.height());
    EXPECT_TRUE(menu.BarState().CacheValid);
    show();
    EXPECT_EQ(menu.BarState().BarBuilds, 1);

    item->setText("Open...");
    show();
    EXPECT_EQ(menu.BarState().BarBuilds, 2);
    menu.Bar.SetVisible(false);
    EXPECT_TRUE(menu.BarState().BarBitmap.isNull());
    show();
    EXPECT_EQ(menu.BarState().BarBuilds, 2);
    menu.Bar.SetVisible(true);
    show();
    EXPECT_EQ(menu.BarState().BarBuilds, 3);
    // A new width makes a bitmap of the new size at the next draw.
    menu.Bar.Width = 40;
    show();
    EXPECT_EQ(menu.BarState().BarBuilds, 4);
    EXPECT_EQ(menu.BarState().BarBitmap.width(), 40);
}

TEST(BarMenuDraw, TheBarStandsBesideTheItems) {
    QWidget window;
    TBcBarPopupMenu menu(&window);
    menu.Bar.GradientStart = menu.Bar.GradientEnd = ColourOf(255, 0, 0);
    menu.Bar.Width = 20;
    menu.addAction("Open");
    menu.addAction("Save");
    int events = 0;
    menu.OnAfterDrawBar = [&](QObject* sender, QPainter&, const QRect&) {
        EXPECT_EQ(sender, &menu);
        ++events;
    };
    menu.popup(QPoint(10, 10));
    QApplication::processEvents();
    const QImage shot = menu.grab().toImage();
    menu.hide();
    const QRect first = menu.actionGeometry(menu.actions().first());
    EXPECT_EQ(QColor(shot.pixel(first.left() + 5, first.center().y())), QColor(255, 0, 0));
    EXPECT_NE(QColor(shot.pixel(first.left() + 30, first.center().y())), QColor(255, 0, 0));
    EXPECT_EQ(events, 1);

    menu.Bar.Side = sRight;
    menu.addAction("Close");
    menu.popup(QPoint(10, 10));
    QApplication::processEvents();
    const QImage right = menu.grab().toImage();
    menu.hide();
    const QRect item = menu.actionGeometry(menu.actions().first());
    EXPECT_EQ(QColor(right.pixel(item.right() - 3, item.center().y())), QColor(255, 0, 0));
    EXPECT_NE(QColor(right.pixel(item.left() + 3, item.center().y())), QColor(255, 0, 0));
}

} // namespace
