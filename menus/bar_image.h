// Building the side bar's image: gradient, background picture, border,
// picture and the caption turned on its side.
#pragma once

#include "menus/bar_parts.h"

#include <QPoint>

class QImage;

// Where a picture of pw x ph goes in a bar of width W and height H.
QPoint PicturePlace(const TBcBarPicture& picture, int W, int H, int pw, int ph);

// The first tile's position along one axis: the start for the alignment
// (near: 0, far: (size mod tile) - tile, centre: half of that) plus the
// offset, reduced by the tile size until it is 0 or less.
enum class TileAlignment { Near, Far, Centre };
int TileStart(TileAlignment alignment, int size, int tile, int offset);

// Where the caption's text starts, for text of width tw and height th
// (unturned) in a bar of height H.
QPoint CaptionPlace(const TBcBar& bar, int H, int tw, int th);

// Draws the chosen parts of the bar over the whole 32-bit image, which is
// Bar.Width wide and the bar's height high.
void DrawBarParts(QImage& bitmap, const TBcBar& bar, TBarParts parts);
