// What the drawn board looks like, decided without any GUI so it can be
// tested: the colours from the desktop theme's own, the size of a square for
// the screen and zoom, and which lines between squares are thick.
#pragma once

#include <cstdint>

namespace sudoku::look {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

// The contrast ratio of two colours as the accessibility guidelines define
// it: 1 for equal colours, 21 for black on white.
double contrast(Rgb a, Rgb b);
// `share` of `top` laid over `base` (0 keeps base, 1 gives top).
Rgb blend(Rgb base, Rgb top, double share);

// The theme's colours the board is drawn from.
struct Theme {
    Rgb window;          // background of text views
    Rgb text;            // text on it
    Rgb selection;       // background of selected items
    Rgb selection_text;  // text on it
    Rgb link;            // links: the theme's accent for text on `window`
    Rgb error;           // the theme's colour for errors
};

struct Palette {
    Rgb background;
    Rgb given;     // givens (also drawn bold)
    Rgb player;    // the player's numbers
    Rgb conflict;  // numbers that break the rule (also underlined)
    Rgb line;      // lines between squares and boxes
    Rgb shade;     // the cursor's row, column and box
    Rgb cursor;    // the cursor's square
    Rgb cursor_text;
    Rgb frame;  // the frame round the cursor's square
};

// The theme's own colours; accents (the player's numbers, rule-breaking
// ones) are moved towards the text colour where they would read poorly, so
// every number keeps at least 4.5:1 and a high-contrast theme stays so.
// Weight (givens bold) and the underline tell numbers apart without colour.
Palette palette(const Theme& theme);

// The pixels of a screen's width or height the board may take: a margin
// stays free, so the board's edges are seen.
int room(int screen_extent);

// The side of a square in pixels: boards up to 25x25 fill the room of
// `screen_height`,
// larger ones get the squares of a 25x25 board and scroll. Each zoom step
// is a fifth larger or smaller, within limits.
int square_size(int screen_height, int side, int zoom);
// The zoom step nearest to `zoom` whose squares are still within the limits.
int clamp_zoom(int screen_height, int side, int zoom);

// Pixels of the line between two squares, and of each half of the line
// between two boxes (each square beside it draws one half).
struct Lines {
    int thin;
    int thick_half;
};
Lines line_widths(int square);

// Whether the line before square `index` (a column or a row counted from 0)
// is a box edge, for boxes `extent` squares across in that direction.
bool box_edge_before(int index, int extent);

}  // namespace sudoku::look
