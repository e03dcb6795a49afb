#include "board/board_look.h"

#include <algorithm>
#include <cmath>

namespace sudoku::look {

namespace {

double luminance(Rgb c) {
    const auto channel = [](std::uint8_t v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

// Text needs 4.5:1 against what it is drawn on. An accent that lacks it is
// moved towards the theme's text colour until it has it, keeping its hue
// where it can; at worst it becomes the text colour.
Rgb readable(Rgb accent, const Theme& theme, Rgb shade) {
    constexpr double needed = 4.5;
    constexpr int steps = 10;
    for (int step = 0; step < steps; ++step) {
        const Rgb tried = blend(accent, theme.text, static_cast<double>(step) / steps);
        if (contrast(tried, theme.window) >= needed && contrast(tried, shade) >= needed) {
            return tried;
        }
    }
    return theme.text;
}

constexpr int largest_filled_side = 25;
constexpr int smallest_square = 16;
constexpr double zoom_factor = 1.2;
// Kept free above and below the board, so its edges are seen.
constexpr double screen_margin = 0.05;

}  // namespace

double contrast(Rgb a, Rgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb blend(Rgb base, Rgb top, double share) {
    const auto mix = [share](std::uint8_t b, std::uint8_t t) {
        return static_cast<std::uint8_t>(std::lround(b + (t - b) * share));
    };
    return {mix(base.r, top.r), mix(base.g, top.g), mix(base.b, top.b)};
}

Palette palette(const Theme& theme) {
    Palette p;
    p.background = theme.window;
    p.given = theme.text;
    p.line = theme.text;
    p.frame = theme.text;
    p.cursor = theme.selection;
    p.cursor_text = theme.selection_text;
    p.shade = blend(theme.window, theme.selection, 0.12);
    p.player = readable(theme.link, theme, p.shade);
    p.conflict = readable(theme.error, theme, p.shade);
    return p;
}

int room(int screen_extent) {
    return static_cast<int>(screen_extent * (1.0 - screen_margin));
}

int square_size(int screen_height, int side, int zoom) {
    const int filled = std::clamp(side, 1, largest_filled_side);
    const double base = static_cast<double>(room(screen_height)) / filled;
    const int largest = std::max(smallest_square, screen_height / 2);
    const double size = base * std::pow(zoom_factor, zoom);
    return std::clamp(static_cast<int>(std::min(size, double(largest))), smallest_square, largest);
}

int clamp_zoom(int screen_height, int side, int zoom) {
    // Past a limit a step changes nothing; stop where the last one still did.
    while (zoom > 0 &&
           square_size(screen_height, side, zoom - 1) == square_size(screen_height, side, zoom)) {
        --zoom;
    }
    while (zoom < 0 &&
           square_size(screen_height, side, zoom + 1) == square_size(screen_height, side, zoom)) {
        ++zoom;
    }
    return zoom;
}

Lines line_widths(int square) {
    return {std::max(1, square / 60), std::max(2, square / 24)};
}

bool box_edge_before(int index, int extent) {
    return extent > 0 && index % extent == 0;
}

}  // namespace sudoku::look
