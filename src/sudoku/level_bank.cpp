#include "sudoku/level_bank.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <string_view>
#include <tuple>

#include "sudoku/symmetry.h"

namespace sudoku {
namespace {

// Box sides up to this one are banked: each board letter is a number up to 25.
constexpr int kLargestBankedSide = 5;

// One line per seed; see bank_line().
const std::vector<std::string_view>& bank() {
    static const std::vector<std::string_view> lines = {
#include "sudoku/level_bank.inc"
    };
    return lines;
}

using Key = std::tuple<int, Level, int>;  // box side, level, percent

int holes_at(int side, int percent) {
    const int squares = side * side * side * side;
    return static_cast<int>(std::lround(percent / 100.0 * squares));
}

BankedSeed decode(std::string_view line) {
    std::istringstream in{std::string(line)};
    BankedSeed seed;
    int level = 0;
    std::string cells;
    in >> seed.box_side >> level >> seed.percent >> cells;
    seed.level = static_cast<Level>(level);
    const auto n = static_cast<std::size_t>(seed.box_side * seed.box_side);
    seed.puzzle.puzzle.assign(n, Column(n));
    seed.puzzle.solution.assign(n, Column(n));
    seed.puzzle.level = seed.level;
    for (std::size_t i = 0; i < cells.size() && i < n * n; ++i) {
        const char c = cells[i];
        const bool given = c >= 'A' && c <= 'Z';
        const Value number = given ? c - 'A' + 1 : c - 'a' + 1;
        const std::size_t x = i % n;
        const std::size_t y = i / n;
        seed.puzzle.solution[x][y] = number;
        if (given) {
            seed.puzzle.puzzle[x][y] = number;
        }
    }
    return seed;
}

// The bank's lines by what they hold, read once.
const std::map<Key, std::vector<std::string_view>>& shelves() {
    static const auto shelves = [] {
        std::map<Key, std::vector<std::string_view>> by_key;
        for (const std::string_view line : bank()) {
            std::istringstream in{std::string(line)};
            int side = 0;
            int level = 0;
            int percent = 0;
            in >> side >> level >> percent;
            by_key[{side, static_cast<Level>(level), percent}].push_back(line);
        }
        return by_key;
    }();
    return shelves;
}

}  // namespace

std::optional<ShareRange> level_range(BoxSize size, Level level) {
    if (size.first != size.second) {
        return std::nullopt;
    }
    std::optional<ShareRange> range;
    for (const auto& [key, lines] : shelves()) {
        const auto& [side, banked_level, percent] = key;
        if (side == size.first && banked_level == level) {
            range = range ? ShareRange{std::min(range->lowest, percent),
                                       std::max(range->highest, percent)}
                          : ShareRange{percent, percent};
        }
    }
    return range;
}

std::optional<DugPuzzle> banked_puzzle(BoxSize size, int holes, Level level, std::mt19937_64& rng) {
    if (size.first != size.second || size.first > kLargestBankedSide) {
        return std::nullopt;
    }
    for (int percent = 10; percent <= 90; percent += 10) {
        const auto shelf = shelves().find({size.first, level, percent});
        if (shelf == shelves().end() || holes_at(size.first, percent) != holes) {
            continue;
        }
        const std::vector<std::string_view>& lines = shelf->second;
        const std::size_t pick =
            std::uniform_int_distribution<std::size_t>(0, lines.size() - 1)(rng);
        DugPuzzle seed = decode(lines[pick]).puzzle;
        const Symmetry symmetry(size, rng);
        return DugPuzzle{symmetry.apply(seed.puzzle), symmetry.apply(seed.solution), level};
    }
    return std::nullopt;
}

std::vector<BankedSeed> bank_seeds() {
    std::vector<BankedSeed> seeds;
    for (const std::string_view line : bank()) {
        seeds.push_back(decode(line));
    }
    return seeds;
}

std::string bank_line(const BankedSeed& seed) {
    std::string line = std::to_string(seed.box_side) + ' ' +
                       std::to_string(static_cast<int>(seed.level)) + ' ' +
                       std::to_string(seed.percent) + ' ';
    const std::size_t n = seed.puzzle.solution.size();
    for (std::size_t y = 0; y < n; ++y) {
        for (std::size_t x = 0; x < n; ++x) {
            const auto number = static_cast<char>(seed.puzzle.solution[x][y].value_or(1) - 1);
            line += seed.puzzle.puzzle[x][y] ? static_cast<char>('A' + number)
                                             : static_cast<char>('a' + number);
        }
    }
    return line;
}

}  // namespace sudoku
