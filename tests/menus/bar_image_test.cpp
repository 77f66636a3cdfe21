#include "menus/bar_image.h"
#include "menus/gradient_fill.h"

#include <QImage>
#include <QMenu>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QImage Bitmap(int width, int height) {
    return QImage(width, height, QImage::Format_RGB32);
}

TEST(GradientFill, VerticalBlackToWhite) {
    // Over 256 rows, row y is 255 * y / 256 truncated: black, then y - 1.
    QImage image = Bitmap(3, 256);
    GradientFill(image, 0x000000, 0xFFFFFF, gsVertical);
    EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 0));
    for (int y = 1; y < 256; ++y) {
        ASSERT_EQ(image.pixel(2, y), qRgb(y - 1, y - 1, y - 1)) << "row " << y;
    }
    image = Bitmap(3, 100);
    GradientFill(image, 0x000000, 0xFFFFFF, gsVertical);
    EXPECT_EQ(image.pixel(0, 50), qRgb(127, 127, 127)); // 255 * 50 / 100 = 127.5
    EXPECT_EQ(image.pixel(0, 99), qRgb(252, 252, 252)); // never reaches the end colour
}

TEST(GradientFill, HorizontalTruncatesTowardZero) {
    const TColor start = ColourOf(10, 200, 30);
    const TColor end = ColourOf(250, 21, 29);
    QImage image = Bitmap(37, 4);
    GradientFill(image, start, end, gsHorizontal);
    for (int x = 0; x < 37; ++x) {
        // Written out: 10 + 240x/37, 200 - 179x/37 and 30 - x/37, each truncated
        // toward zero (so the falling components round up, not down).
        const QRgb expected = qRgb(10 + 240 * x / 37, 200 - 179 * x / 37, 30 - x / 37);
        ASSERT_EQ(image.pixel(x, 0), expected) << "column " << x;
        ASSERT_EQ(image.pixel(x, 3), expected);
    }
    EXPECT_EQ(qGreen(image.pixel(1, 0)), 196); // 200 - 4.83..., not 195
}

TEST(GradientFill, DiagonalsRoundHalvesToEven) {
    QImage image = Bitmap(1024, 1024);
    GradientFill(image, 0x000000, 0xFFFFFF, gsDiagonalLeftRight);
    // (y / 1024 + x / 1024) * 512 is 4.5 where x + y = 9: it rounds to 4, and
    // 255 * 4 / 1024 = 0; rounding halves up would give 5 and a value of 1.
    EXPECT_EQ(image.pixel(9, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(4, 5), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(10, 0), qRgb(1, 1, 1));            // t = 5
    EXPECT_EQ(image.pixel(1023, 1023), qRgb(254, 254, 254)); // t = 1023
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));

    QImage mirrored = Bitmap(1024, 1024);
    GradientFill(mirrored, 0x000000, 0xFFFFFF, gsDiagonalRightLeft);
    for (int y = 0; y < 1024; y += 97) {
        for (int x = 0; x < 1024; x += 89) {
            ASSERT_EQ(mirrored.pixel(1023 - x, y), image.pixel(x, y));
        }
    }

    // A small bar against the formula with a falling component.
    QImage bar = Bitmap(24, 7);
    const TColor start = ColourOf(200, 0, 100);
    GradientFill(bar, start, ColourOf(0, 255, 100), gsDiagonalLeftRight);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 24; ++x) {
            const long t = std::lround((y / 7.0 + x / 24.0) * 512); // no halves here
            ASSERT_EQ(bar.pixel(x, y), qRgb(200 - static_cast<int>(200 * t / 1024),
                                            static_cast<int>(255 * t / 1024), 100));
        }
    }
}

TEST(GradientFill, EqualColoursFillTheWhole) {
    QImage image = Bitmap(5, 9);
    GradientFill(image, ColourOf(1, 2, 3), ColourOf(1, 2, 3), gsDiagonalRightLeft);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 5; ++x) {
            ASSERT_EQ(image.pixel(x, y), qRgb(1, 2, 3));
        }
    }
}

class BarTest : public ::testing::Test {
  protected:
    QMenu Owner;
    TBcBar Bar{&Owner};
};

TEST_F(BarTest, PartsNeedAnOwner) {
    try {
        TBcBar bar(nullptr);
        FAIL();
    } catch (const std::invalid_argument& error) {
        EXPECT_STREQ(error.what(), "Tried to create TBcBar with no owner.");
    }
    EXPECT_THROW(TBcSeparators(nullptr), std::invalid_argument);
    EXPECT_EQ(Bar.GradientStart, 0xD8BEAFu);
    EXPECT_EQ(Bar.Width, 32);
    EXPECT_EQ(Bar.BarPicture.VertAlignment, vaBottom);
    EXPECT_EQ(Bar.BarBackPicture.VertAlignment, vaTop);
    EXPECT_EQ(Bar.BarBackPicture.HorzAlignment, haLeft);
    EXPECT_TRUE(Bar.BarCaption.Font.bold() && Bar.BarCaption.Font.italic());
}

TEST_F(BarTest, PicturePlacesForEveryAlignment) {
    TBcBarPicture& picture = Bar.BarPicture;
    picture.OffsetX = 2;
    picture.OffsetY = -3;
    const int W = 24, H = 300, pw = 11, ph = 40;
    const int xs[] = {2, 24 + 2 - 11, (24 - 11) / 2 + 2};    // left, right, centre
    const int ys[] = {-3, 300 - 3 - 40, (300 - 40) / 2 - 3}; // top, bottom, middle
    for (THorzAlignment horizontal : {haLeft, haRight, haCenter}) {
        for (TVertAlignment vertical : {vaTop, vaBottom, vaMiddle}) {
            picture.HorzAlignment = horizontal;
            picture.VertAlignment = vertical;
            EXPECT_EQ(PicturePlace(picture, W, H, pw, ph), QPoint(xs[horizontal], ys[vertical]))
                << horizontal << " " << vertical;
        }
    }
    EXPECT_EQ(xs[haCenter], 8); // 6.5 truncated
}

TEST(TileStart, StartsAtOrBeforeTheEdge) {
    EXPECT_EQ(TileStart(TileAlignment::Near, 24, 10, 0), 0);
    EXPECT_EQ(TileStart(TileAlignment::Far, 24, 10, 0), -6);
    EXPECT_EQ(TileStart(TileAlignment::Centre, 24, 10, 0), -3);
    EXPECT_EQ(TileStart(TileAlignment::Near, 24, 10, 5), -5);
    EXPECT_EQ(TileStart(TileAlignment::Far, 24, 10, 5), -1);
    EXPECT_EQ(TileStart(TileAlignment::Centre, 24, 10, 25), -8);
    EXPECT_EQ(TileStart(TileAlignment::Near, 24, 10, -13), -13);
}

// The rows of an image that hold a pixel of the colour.
std::pair<int, int> RowsOf(const QImage& image, QRgb colour) {
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour) {
                first = first < 0 ? y : first;
                last = y;
            }
        }
    }
    return {first, last};
}

// The smallest rectangle of the pixels that differ from the background.
QRect InkOf(const QImage& image, QRgb background) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

TEST_F(BarTest, CaptionAboveTheBottomPicture) {
    QImage picture(24, 40, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));
    Bar.Width = 24;
    Bar.GradientStart = Bar.GradientEnd = 0;
    Bar.BarPicture.Picture = picture;
    Bar.BarPicture.Transparent = false;
    Bar.BarCaption.Caption = "Brimlow Sitevane";
    EXPECT_EQ(CaptionPlace(Bar, 300, 120, 18).y(), 254);

    QImage bitmap = Bitmap(24, 300);
    DrawBarParts(bitmap, Bar, {bpGradient, bpPicture, bpCaption});
    EXPECT_EQ(RowsOf(bitmap, qRgb(0, 0, 255)), std::make_pair(260, 299));
    // The caption reads upwards from row 254: nothing of it below.
    QImage above = bitmap.copy(0, 0, 24, 260);
    const QRect ink = InkOf(above, qRgb(0, 0, 0));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.bottom(), 254);
    EXPECT_GT(ink.height(), 60); // the whole caption, on its side
    EXPECT_LT(ink.width(), 24);
}

TEST_F(BarTest, CaptionPlaceForEachAlignmentAndDirection) {
    Bar.Width = 24;
    Bar.BarCaption.OffsetY = 6;
    // x = (24 - 15) / 2 - 0.5 = 4; (24 - 14) / 2 - 0.5 = 4.5 rounds to 4 (even).
    EXPECT_EQ(CaptionPlace(Bar, 300, 100, 15), QPoint(4, 294));
    EXPECT_EQ(CaptionPlace(Bar, 300, 100, 14).x(), 4);
    EXPECT_EQ(CaptionPlace(Bar, 300, 100, 12).x(), 6); // 6 - 0.5 = 5.5 rounds to 6
    Bar.BarCaption.Alignment = vaTop;
    EXPECT_EQ(CaptionPlace(Bar, 300, 100, 15).y(), 106);
    Bar.BarCaption.Alignment = vaMiddle;
    EXPECT_EQ(CaptionPlace(Bar, 301, 100, 15).y(), 200); // 200.5 - 0.5 = 200
    EXPECT_EQ(CaptionPlace(Bar, 300, 102, 15).y(), 200); // 201 - 0.5 = 200.5 rounds to 200
    Bar.BarCaption.Direction = dUpToDown;
    EXPECT_EQ(CaptionPlace(Bar, 300, 100, 15), QPoint(4 + 15 + 1, 200 - 100));
}

TEST_F(BarTest, BackPictureTilesCoverTheBarInsteadOfTheGradient) {
    QImage tile(10, 10, QImage::Format_RGB32);
    tile.fill(qRgb(255, 0, 0));
    tile.setPixel(0, 0, qRgb(0, 0, 255)); // marks each tile's corner
    Bar.Width = 24;
    Bar.GradientStart = ColourOf(0, 255, 0);
    Bar.BarBackPicture.Picture = tile;
    Bar.BarBackPicture.Transparent = false;
    Bar.BarBackPicture.DrawStyle = dsTile;
    Bar.BarBackPicture.HorzAlignment = haRight;
    Bar.BarBackPicture.VertAlignment = vaTop;
    Bar.Border = ColourOf(255, 255, 255);
    QImage bitmap = Bitmap(24, 30);
    DrawBarParts(bitmap, Bar, {bpGradient, bpBackPicture});
    // Tiles from x = -6 (24 mod 10 - 10) and y = 0, every 10 pixels.
    EXPECT_EQ(bitmap.pixel(4, 10), qRgb(0, 0, 255));
    EXPECT_EQ(bitmap.pixel(14, 20), qRgb(0, 0, 255));
    EXPECT_EQ(bitmap.pixel(5, 10), qRgb(255, 0, 0));
    // No gradient shows anywhere; the border frames the bar.
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 24; ++x) {
            const bool edge = x == 0 || y == 0 || x == 23 || y == 29;
            if (edge) {
                ASSERT_EQ(bitmap.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
            } else {
                ASSERT_NE(bitmap.pixel(x, y), qRgb(0, 255, 0)) << x << "," << y;
            }
        }
    }
    // A transparent back picture lets the gradient show through its key colour.
    Bar.BarBackPicture.Transparent = true;
    Bar.Border = clNone;
    tile.fill(qRgb(255, 0, 0));
    tile.setPixel(5, 5, qRgb(0, 0, 255));
    Bar.BarBackPicture.Picture = tile;
    DrawBarParts(bitmap, Bar, {bpGradient, bpBackPicture});
    EXPECT_EQ(bitmap.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(bitmap.pixel(9, 5), qRgb(0, 0, 255));
}

TEST_F(BarTest, HighlightAndShadowCopiesMoveByDepth) {
    Bar.Width = 40;
    Bar.GradientStart = Bar.GradientEnd = 0;
    Bar.BarCaption.Caption = "Sitevane";
    Bar.BarCaption.Depth = 3;
    Bar.BarCaption.Alignment = vaMiddle;
    const auto render = [&](TColor text, TColor highlight, TColor shadow) {
        Bar.BarCaption.FontColor = text;
        Bar.BarCaption.HighlightColor = highlight;
        Bar.BarCaption.ShadowColor = shadow;
        QImage bitmap = Bitmap(40, 200);
        DrawBarParts(bitmap, Bar, {bpGradient, bpCaption});
        return InkOf(bitmap, qRgb(0, 0, 0));
    };
    const QRect text = render(0xFFFFFF, clNone, clNone);
    ASSERT_FALSE(text.isEmpty());
    // The text itself in the background colour: only the copy shows.
    EXPECT_EQ(render(0, 0x0000FF, clNone), text.translated(-3, 3));
    EXPECT_EQ(render(0, clNone, 0x00FF00), text.translated(3, -3));
}

} // namespace
