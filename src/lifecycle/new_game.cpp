#include "lifecycle/new_game.h"

#include <algorithm>
#include <cmath>

#include "board/texts.h"
#include "sudoku/geometry.h"
#include "sudoku/level_bank.h"
#include "sudoku/sudoku.h"

namespace sudoku {
namespace {

constexpr int share_steps = 9;

bool in_rows(int row, int count) {
    return row >= 0 && row < count;
}

}  // namespace

std::vector<std::string> size_rows() {
    std::vector<std::string> rows;
    for (int box = smallest_box_side; box <= largest_box_side; ++box) {
        rows.push_back(texts::size_item(box));
    }
    return rows;
}

std::vector<std::string> share_rows() {
    std::vector<std::string> rows;
    for (int step = 1; step <= share_steps; ++step) {
        rows.push_back(texts::difficulty_item(step * 10));
    }
    return rows;
}

std::vector<std::string> level_rows() {
    std::vector<std::string> rows;
    for (int level = 0; level <= static_cast<int>(Level::expert); ++level) {
        rows.emplace_back(texts::level_item(static_cast<Level>(level)));
    }
    return rows;
}

std::optional<NewGameChoice> choice_of_rows(int size_row, int share_row, int level_row) {
    if (!in_rows(size_row, largest_box_side - smallest_box_side + 1) ||
        !in_rows(share_row, share_steps) ||
        !in_rows(level_row, static_cast<int>(Level::expert) + 1)) {
        return std::nullopt;
    }
    const int box = smallest_box_side + size_row;
    return NewGameChoice{{box, box}, (share_row + 1) / 10.0, static_cast<Level>(level_row)};
}

NewGame make_game(const NewGameChoice& choice) {
    const BoxSize size = choice.size;
    const bool for_level = choice.level != Level::any;
    const int asked = static_cast<int>(std::lround(choice.difficulty * 100));
    // A share the level cannot hold is moved to the nearest one it can.
    const std::optional<ShareRange> range =
        for_level ? level_range(size, choice.level) : std::nullopt;
    const int percent = range ? std::clamp(asked, range->lowest, range->highest) : asked;
    const double difficulty = percent == asked ? choice.difficulty : percent / 100.0;
    const Sudoku puzzle = Sudoku(size.first, size.second).difficulty(difficulty, choice.level);
    NewGame made{Play(Game(puzzle.board, puzzle.board, size, difficulty), {}, {},
                      for_level ? puzzle.level() : Level::any, puzzle.solution()),
                 {}};
    if (percent != asked) {
        made.notice =
            texts::level_share_moved(choice.level, range->lowest, range->highest, percent);
    } else if (for_level && puzzle.level() != choice.level) {
        made.notice = texts::level_fallback(puzzle.level(), choice.level, percent);
    }
    return made;
}

}  // namespace sudoku
