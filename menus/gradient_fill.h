// The gradient of the side bar and of separators, computed per pixel in
// integers as the bar's look demands.
#pragma once

#include "menus/bar_types.h"

class QImage;

// Fills the whole 32-bit image from start towards end (which it does not
// reach): columns for gsHorizontal, rows for gsVertical, both for the
// diagonals, gsDiagonalRightLeft mirrored left to right.
void GradientFill(QImage& image, TColor start, TColor end, TGradientStyle style);
