// What the drawn board looks like, decided without a display: colours from
// the theme that stay readable, squares sized for the screen, box edges.
#include "board/board_look.h"

#include <gtest/gtest.h>

namespace sudoku::look {
namespace {

constexpr Rgb white{255, 255, 255};
constexpr Rgb black{0, 0, 0};
// Colours as GTK's usual light theme has them.
constexpr Theme light{white, {46, 52, 54}, {53, 132, 228}, white, {27, 106, 203}, {192, 28, 40}};

TEST(BoardLook, ContrastFollowsTheAccessibilityGuidelines) {
    EXPECT_DOUBLE_EQ(contrast(black, white), 21.0);
    EXPECT_DOUBLE_EQ(contrast(white, white), 1.0);
    EXPECT_NEAR(contrast({118, 118, 118}, white), 4.54, 0.01);
    EXPECT_EQ(blend(black, white, 0.5), (Rgb{128, 128, 128}));
}

TEST(BoardLook, AccentsAreTheThemesAndAlwaysReadWell) {
    const Palette normal = palette(light);
    EXPECT_EQ(normal.player, light.link);
    EXPECT_EQ(normal.conflict, light.error);
    EXPECT_EQ(normal.given, light.text);
    EXPECT_NE(normal.shade, normal.background);
    EXPECT_NE(normal.cursor, normal.shade);

    // A dark theme whose link and error colours are too dark to read on it.
    const Theme dark{{45, 45, 45}, white, {21, 83, 158}, white, {53, 132, 228}, {204, 0, 0}};
    const Palette p = palette(dark);
    for (const Rgb accent : {p.player, p.conflict}) {
        EXPECT_GE(contrast(accent, p.background), 4.5);
        EXPECT_GE(contrast(accent, p.shade), 4.5);
        EXPECT_NE(accent, white) << "still the theme's hue, not its text colour";
    }
    EXPECT_GT(p.player.b, p.player.r);
    EXPECT_GT(p.conflict.r, p.conflict.b);
}

TEST(BoardLook, BoardsUpTo25FillTheScreenHeightAndZoomInSteps) {
    const int height = 1000;
    for (int side : {4, 9, 16, 25}) {
        const int square = square_size(height, side, 0);
        EXPECT_LE(side * square, room(height)) << side;
        EXPECT_GT((side + 1) * square, room(height)) << side;
    }
    EXPECT_EQ(square_size(height, 81, 0), square_size(height, 25, 0)) << "larger boards scroll";
    EXPECT_GT(square_size(height, 9, 1), square_size(height, 9, 0));
    EXPECT_LT(square_size(height, 9, -1), square_size(height, 9, 0));
    EXPECT_EQ(square_size(height, 81, -100), 16) << "never too small to read";
    EXPECT_EQ(square_size(height, 4, 100), height / 2);
    EXPECT_EQ(clamp_zoom(height, 4, 100), 5) << "steps past the limit are not kept";
    EXPECT_EQ(clamp_zoom(height, 9, 1), 1);
}

TEST(BoardLook, BoxEdgesAreThickForEveryBoxShape) {
    const std::vector<bool> three = {true, false, false, true, false, false, true, false, false};
    const std::vector<bool> two = {true, false, true, false, true, false};
    for (std::size_t i = 0; i < three.size(); ++i) {
        EXPECT_EQ(box_edge_before(static_cast<int>(i), 3), three[i]) << i;
    }
    for (std::size_t i = 0; i < two.size(); ++i) {
        EXPECT_EQ(box_edge_before(static_cast<int>(i), 2), two[i]) << i;
    }
    for (int square = 16; square <= 500; ++square) {
        const Lines lines = line_widths(square);
        EXPECT_GE(2 * lines.thick_half, 3 * lines.thin) << square;
    }
}

}  // namespace
}  // namespace sudoku::look
