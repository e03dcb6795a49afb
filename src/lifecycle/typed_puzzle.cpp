#include "lifecycle/typed_puzzle.h"

#include <cctype>
#include <optional>
#include <vector>

#include "board/board_reading.h"
#include "board/texts.h"
#include "sudoku/geometry.h"
#include "sudoku/solver.h"

namespace sudoku {
namespace {

// One character per number up to 35, so a 25x25 board fits; beyond, numbers.
constexpr std::string_view kCharacters = "123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr int kLargestCharacterSide = 25;
// Work spent on counting solutions (see Solver::set_budget): past it the
// puzzle is played without a word about its solutions, never refused.
constexpr std::uint64_t kCountBudget = 20'000'000;

// Squares row by row, as typed.
using Cells = std::vector<Cell>;

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Drawn frames around boxes are pasted along with the numbers.
bool is_frame(char c) {
    return c == '|' || c == '-' || c == '+';
}

bool is_empty_mark(std::string_view word) {
    return word == "." || word == "0";
}

// The box side of a board of this many squares, for the sizes the game has;
// 0 otherwise.
int box_for(std::size_t squares) {
    for (int box = smallest_box_side; box <= largest_box_side; ++box) {
        const auto side = static_cast<std::size_t>(box * box);
        if (side * side == squares) {
            return box;
        }
    }
    return 0;
}

struct Reading {
    Cells cells;
    // The first thing that is no number, when there is one.
    std::optional<std::string> stray;
};

Reading as_characters(std::string_view text) {
    Reading reading;
    for (const char c : text) {
        if (is_blank(c) || is_frame(c)) {
            continue;
        }
        const auto at =
            kCharacters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
        if (is_empty_mark(std::string_view(&c, 1))) {
            reading.cells.emplace_back();
        } else if (at != std::string_view::npos) {
            reading.cells.emplace_back(static_cast<Value>(at + 1));
        } else if (!reading.stray) {
            reading.stray = std::string(1, c);
        }
    }
    return reading;
}

Reading as_numbers(std::string_view text) {
    Reading reading;
    std::string word;
    const auto end_word = [&] {
        if (word.empty()) {
            return;
        }
        const bool digits =
            word.size() <= 9 && word.find_first_not_of("0123456789") == std::string::npos;
        if (is_empty_mark(word)) {
            reading.cells.emplace_back();
        } else if (digits) {
            reading.cells.emplace_back(std::stoll(word));
        } else if (!reading.stray) {
            reading.stray = word;
        }
        word.clear();
    };
    for (const char c : text) {
        if (is_blank(c) || is_frame(c) || c == ',') {
            end_word();
        } else {
            word += c;
        }
    }
    end_word();
    return reading;
}

// The reading the text was meant as: a line of characters unless it has
// commas or a number of two digits or more between blanks. Of two readings
// that both meet something else, the one that names it most closely.
Reading meant(std::string_view text) {
    const bool commas = text.find(',') != std::string_view::npos;
    Reading characters = as_characters(text);
    const int box = box_for(characters.cells.size());
    if (!commas && !characters.stray && box != 0 && box * box <= kLargestCharacterSide) {
        return characters;
    }
    Reading numbers = as_numbers(text);
    if (!numbers.stray) {
        return numbers;
    }
    return characters.stray && commas ? numbers : characters;
}

Board as_board(const Cells& cells, int side) {
    const auto n = static_cast<std::size_t>(side);
    Board board(n, Column(n));
    for (std::size_t i = 0; i < cells.size(); ++i) {
        board[i % n][i / n] = cells[i];
    }
    return board;
}

}  // namespace

std::variant<TypedPuzzle, std::string> read_puzzle(std::string_view text) {
    const Reading reading = meant(text);
    if (reading.stray) {
        return texts::unreadable_puzzle_word(*reading.stray);
    }
    const int box = box_for(reading.cells.size());
    if (box == 0) {
        return texts::unreadable_puzzle(static_cast<long long>(reading.cells.size()));
    }
    const int side = box * box;
    for (const Cell& cell : reading.cells) {
        if (cell && *cell > side) {
            return texts::puzzle_number_outside(*cell, side);
        }
    }
    TypedPuzzle puzzle{as_board(reading.cells, side), BoxSize{box, box}, false, std::nullopt};
    const std::vector<Clash> found = clashes(Game(puzzle.board, puzzle.board, puzzle.size, 0.0));
    if (!found.empty()) {
        return texts::puzzle_breaks_rule(found.front().value, found.front().group);
    }
    Solver solver(puzzle.size.first, puzzle.size.second);
    solver.set_budget(kCountBudget);
    const int solutions = solver.count(puzzle.board, 2);
    if (solutions == 0 && !solver.out_of_budget()) {
        return texts::puzzle_without_solution();
    }
    puzzle.several_solutions = solutions > 1;
    if (solutions == 1 && !solver.out_of_budget()) {
        puzzle.solution = solver.solve(puzzle.board);
    }
    return puzzle;
}

std::string puzzle_text(const Board& board) {
    const std::size_t n = board.size();
    bool characters = n <= static_cast<std::size_t>(kLargestCharacterSide);
    for (const Column& column : board) {
        for (const Cell& cell : column) {
            characters = characters && (!cell || (*cell >= 1 && *cell <= 35));
        }
    }
    std::string text;
    for (std::size_t y = 0; y < n; ++y) {
        for (std::size_t x = 0; x < n; ++x) {
            const Cell& cell = board[x][y];
            if (characters) {
                text += cell ? kCharacters[static_cast<std::size_t>(*cell - 1)] : '.';
            } else {
                if (x > 0) {
                    text += ' ';
                }
                text += cell ? std::to_string(*cell) : std::string(".");
            }
        }
        if (!characters) {
            text += '\n';
        }
    }
    return text;
}

}  // namespace sudoku
