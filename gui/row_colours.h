// The text colour of a category's rows in the window's palette: the fixed
// colours in a light palette; in a dark one, lighter colours of the same hues
// that read against the dark base.
#pragma once

#include "commands/links_view.h"

#include <QColor>
#include <QPalette>

// The contrast ratio of two colours (WCAG 2), from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// The colour of text in that colour on the palette's base: the colour itself
// on a light base, else the first lighter colour of its hue with a contrast
// of at least 4.5:1.
QColor ReadableRowColour(const RowColour& colour, const QPalette& palette);
