#include "gui/row_colours.h"

#include <cstdlib>
#include <gtest/gtest.h>

TEST(RowColours, ExactOnALightBaseAndReadableOnADarkOne) {
    QPalette light;
    light.setColor(QPalette::Base, Qt::white);
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    for (std::int32_t category = 1; category <= 14; ++category) {
        const RowColour colour = ColourOfCategory(category);
        const QColor fixed(colour.Red, colour.Green, colour.Blue);
        EXPECT_EQ(ReadableRowColour(colour, light), fixed);
        const QColor readable = ReadableRowColour(colour, dark);
        EXPECT_GE(ContrastRatio(readable, dark.color(QPalette::Base)), 4.5) << category;
        EXPECT_GT(readable.lightness(), fixed.lightness() - 1);
        if (fixed.hslHue() >= 0) {
            EXPECT_LE(std::abs(readable.hslHue() - fixed.hslHue()), 2) << category;
        }
    }
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
}
