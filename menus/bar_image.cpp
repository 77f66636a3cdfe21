#include "menus/bar_image.h"

#include "menus/gradient_fill.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cmath>

namespace {

QColor QtColour(TColor colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

// value - 0.5 rounded to the nearest integer, halves to the even neighbour.
int RoundedDown(double value) {
    return static_cast<int>(std::nearbyint(value - 0.5));
}

bool CoversTheBar(const TBcBarBackPicture& back) {
    return !back.Transparent && back.HasBitmap() && back.DrawStyle != dsNormal;
}

TileAlignment Horizontal(THorzAlignment alignment) {
    return alignment == haLeft    ? TileAlignment::Near
           : alignment == haRight ? TileAlignment::Far
                                  : TileAlignment::Centre;
}

TileAlignment Vertical(TVertAlignment alignment) {
    return alignment == vaTop      ? TileAlignment::Near
           : alignment == vaBottom ? TileAlignment::Far
                                   : TileAlignment::Centre;
}

// A transparent picture leaves out the colour of its bottom-left pixel.
QImage Drawable(const TBcBarPicture& picture) {
    if (!picture.Transparent) {
        return picture.Picture;
    }
    QImage image = picture.Picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == (key & 0xFFFFFF)) {
                row[x] = 0;
            }
        }
    }
    return image;
}

void DrawBackPicture(QPainter& painter, const TBcBarBackPicture& back, int W, int H) {
    if (!back.HasBitmap()) {
        return;
    }
    const QImage picture = Drawable(back);
    const int pw = picture.width();
    const int ph = picture.height();
    switch (back.DrawStyle) {
    case dsNormal:
        painter.drawImage(PicturePlace(back, W, H, pw, ph), picture);
        break;
    case dsTile: {
        const int left = TileStart(Horizontal(back.HorzAlignment), W, pw, back.OffsetX);
        const int top = TileStart(Vertical(back.VertAlignment), H, ph, back.OffsetY);
        for (int y = top; y <= H; y += ph) {
            for (int x = left; x <= W; x += pw) {
                painter.drawImage(QPoint(x, y), picture);
            }
        }
        break;
    }
    case dsStretch:
        painter.drawImage(QRect(0, 0, W, H), picture);
        break;
    }
}

void DrawCaption(QPainter& painter, const TBcBar& bar, int H) {
    const TBcBarCaption& caption = bar.BarCaption;
    QFont font = caption.Font;
    font.setWeight(caption.Font.bold() ? QFont::Bold : QFont::Normal);
    const QFontMetrics metrics(font);
    const int tw = metrics.horizontalAdvance(caption.Caption);
    const int th = metrics.height();
    const QPoint place = CaptionPlace(bar, H, tw, th);
    painter.setFont(font);
    const auto write = [&](TColor colour, int dx, int dy) {
        painter.save();
        painter.translate(place.x() + dx, place.y() + dy);
        painter.rotate(caption.Direction == dDownToUp ? -90 : 90);
        painter.setPen(QtColour(colour));
        painter.drawText(QRect(0, 0, tw, th), Qt::AlignLeft | Qt::AlignTop, caption.Caption);
        painter.restore();
    };
    if (caption.HighlightColor != clNone) {
        write(caption.HighlightColor, -caption.Depth, caption.Depth);
    }
    if (caption.ShadowColor != clNone) {
        write(caption.ShadowColor, caption.Depth, -caption.Depth);
    }
    write(caption.FontColor, 0, 0);
}

} // namespace

QPoint PicturePlace(const TBcBarPicture& picture, int W, int H, int pw, int ph) {
    int x = picture.OffsetX;
    if (picture.HorzAlignment == haRight) {
        x = W + picture.OffsetX - pw;
    } else if (picture.HorzAlignment == haCenter) {
        x = (W - pw) / 2 + picture.OffsetX;
    }
    int y = picture.OffsetY;
    if (picture.VertAlignment == vaBottom) {
        y = H + picture.OffsetY - ph;
    } else if (picture.VertAlignment == vaMiddle) {
        y = (H - ph) / 2 + picture.OffsetY;
    }
    return QPoint(x, y);
}

int TileStart(TileAlignment alignment, int size, int tile, int offset) {
    int start = 0;
    if (alignment == TileAlignment::Far) {
        start = size % tile - tile;
    } else if (alignment == TileAlignment::Centre) {
        start = (size % tile - tile) / 2;
    }
    start += offset;
    while (start > 0) {
        start -= tile;
    }
    return start;
}

QPoint CaptionPlace(const TBcBar& bar, int H, int tw, int th) {
    const TBcBarCaption& caption = bar.BarCaption;
    int x = RoundedDown((bar.Width - th) / 2.0);
    int y = 0;
    switch (caption.Alignment) {
    case vaTop:
        y = caption.OffsetY + tw;
        break;
    case vaBottom:
        y = H - caption.OffsetY;
        if (bar.BarPicture.HasBitmap() && bar.BarPicture.VertAlignment == vaBottom) {
            y -= bar.BarPicture.Picture.height();
        }
        break;
    case vaMiddle:
        y = RoundedDown((H + tw) / 2.0);
        break;
    }
    if (caption.Direction == dUpToDown) {
        y -= tw;
        x += th + 1;
    }
    return QPoint(x, y);
}

void DrawBarParts(QImage& bitmap, const TBcBar& bar, TBarParts parts) {
    const int W = bitmap.width();
    const int H = bitmap.height();
    if (parts.Contains(bpGradient) && !CoversTheBar(bar.BarBackPicture)) {
        GradientFill(bitmap, bar.GradientStart, bar.GradientEnd, bar.GradientStyle);
    }
    QPainter painter(&bitmap);
    if (parts.Contains(bpBackPicture)) {
        DrawBackPicture(painter, bar.BarBackPicture, W, H);
        if (bar.Border != clNone) {
            painter.setPen(QtColour(bar.Border));
            painter.drawRect(0, 0, W - 1, H - 1);
        }
    }
    if (parts.Contains(bpPicture) && bar.BarPicture.HasBitmap()) {
        const QImage picture = Drawable(bar.BarPicture);
        painter.drawImage(PicturePlace(bar.BarPicture, W, H, picture.width(), picture.height()),
                          picture);
    }
    if (parts.Contains(bpCaption) && !bar.BarCaption.Caption.isEmpty()) {
        DrawCaption(painter, bar, H);
    }
}
