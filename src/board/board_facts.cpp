#include "board/board_facts.h"

#include <algorithm>

namespace sudoku {

NumberPlaces where_is(const Game& game, Value number) {
    const int n = game.geometry().n();
    NumberPlaces places;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            if (game.at({x, y}) == number) {
                places.squares.push_back({x, y});
            }
        }
    }
    places.to_place = std::max(0LL, n - static_cast<long long>(places.squares.size()));
    return places;
}

std::vector<LeftToPlace> left_to_place(const Game& game) {
    const int n = game.geometry().n();
    std::vector<long long> placed(static_cast<std::size_t>(n) + 1);
    for (const Column& column : game.board()) {
        for (const Cell& cell : column) {
            // A typed number outside 1 to N takes no number's place.
            if (cell && *cell >= 1 && *cell <= n) {
                ++placed[static_cast<std::size_t>(*cell)];
            }
        }
    }
    std::vector<LeftToPlace> left;
    for (Value number = 1; number <= n; ++number) {
        if (const long long count = placed[static_cast<std::size_t>(number)]; count < n) {
            left.push_back({number, n - count});
        }
    }
    std::stable_sort(left.begin(), left.end(),
                     [](const LeftToPlace& a, const LeftToPlace& b) { return a.left < b.left; });
    return left;
}

FullestUnits fullest_units(const Game& game) {
    const Geometry& geometry = game.geometry();
    const int n = geometry.n();
    // Empty squares per unit, numbered as the geometry numbers them.
    std::vector<long long> empty(static_cast<std::size_t>(3 * n));
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            if (!game.at({x, y})) {
                for (const int unit : geometry.unit_numbers({x, y})) {
                    ++empty[static_cast<std::size_t>(unit)];
                }
            }
        }
    }
    FullestUnits fullest;
    for (int unit = 0; unit < 3 * n; ++unit) {
        const long long count = empty[static_cast<std::size_t>(unit)];
        if (count == 0 || (fullest.empty != 0 && count > fullest.empty)) {
            continue;
        }
        if (count < fullest.empty || fullest.empty == 0) {
            fullest = {count, {}};
        }
        fullest.groups.push_back(geometry.unit_group(unit));
    }
    return fullest;
}

Square box_step(const Geometry& geometry, Square square, int dx, int dy) {
    const Square to{square.x + dx * geometry.box_width(), square.y + dy * geometry.box_height()};
    return geometry.contains(to) ? to : square;
}

}  // namespace sudoku
