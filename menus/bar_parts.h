// The parts of a side-bar menu: the bar with its pictures and caption, and the
// look of separators. Each belongs to a menu and cannot exist without one.
#pragma once

#include "menus/bar_types.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <functional>

class QObject;

// Raises std::invalid_argument "Tried to create <className> with no owner."
// when owner is null.
void RequireOwner(const QObject* owner, const char* className);

class TBcGradientBar {
  public:
    TColor GradientStart;
    TColor GradientEnd;
    TGradientStyle GradientStyle;
    TColor Border = clNone;

  protected:
    TBcGradientBar(QObject* owner, const char* className, TColor start, TColor end,
                   TGradientStyle style);
};

class TBcBarPicture {
  public:
    explicit TBcBarPicture(QObject* owner) : TBcBarPicture(owner, "TBcBarPicture") {}

    bool Transparent = true;
    QImage Picture;
    int OffsetX = 0;
    int OffsetY = 0;
    TVertAlignment VertAlignment = vaBottom;
    THorzAlignment HorzAlignment = haCenter;
    bool Visible = true;

    bool HasBitmap() const {
        return !Picture.isNull() && Picture.width() > 0 && Picture.height() > 0;
    }

  protected:
    TBcBarPicture(QObject* owner, const char* className);
};

class TBcBarBackPicture : public TBcBarPicture {
  public:
    explicit TBcBarBackPicture(QObject* owner);

    TDrawStyle DrawStyle = dsNormal;
};

class TBcBarCaption {
  public:
    explicit TBcBarCaption(QObject* owner);

    QFont Font;                  // Tahoma, 14 points, bold and italic
    TColor FontColor = 0xFFFFFF; // white
    TColor ShadowColor = clNone;
    TColor HighlightColor = clNone;
    int Depth = 1;
    QString Caption;
    int OffsetY = 6;
    TVertAlignment Alignment = vaBottom;
    TDirection Direction = dDownToUp;
    bool Visible = true;
};

class TBcBar : public TBcGradientBar {
  public:
    explicit TBcBar(QObject* owner);

    int Width = 32;
    int Space = 1; // between the bar and the items
    TSide Side = sLeft;
    TBcBarPicture BarPicture;
    TBcBarBackPicture BarBackPicture;
    TBcBarCaption BarCaption;

    bool Visible() const { return visible_; }
    // Hiding the bar makes its menu drop the cached image.
    void SetVisible(bool visible);
    std::function<void()> OnHidden;

  private:
    bool visible_ = true;
};

class TBcSeparators : public TBcGradientBar {
  public:
    explicit TBcSeparators(QObject* owner);

    bool Fade = false;
    int FadeWidth = 32;
    TColor FadeColor; // the system's button-shadow colour
    bool FlatLines = false;
    QFont Font;
    Qt::Alignment Alignment = Qt::AlignHCenter;
    TSeparatorStyle SeparatorStyle = ssNormal;
    bool UseSystemFont = true;
};

// The default caption font: the named family or, where it is missing, the
// nearest sans-serif.
QFont TahomaFont();
