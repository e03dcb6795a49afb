// The saved-game file: an exact one-line JSON writer and a reader that checks
// everything before the game takes any of it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "lifecycle/calendar_day.h"
#include "sudoku/board.h"
#include "sudoku/geometry.h"
#include "sudoku/rating.h"
#include "sudoku/solver.h"

namespace sudoku {

struct SavedGame {
    Board board;
    Board original;
    double difficulty = 0.0;
    BoxSize size;
    // Empty, or one set per square laid out like the board.
    CandidateBoard notes = {};
    // Whole seconds played.
    std::uint64_t elapsed = 0;
    // The level the puzzle was made for; any for a game made for none.
    Level level = Level::any;
    // Where the cursor was: kept by the autosave only.
    std::optional<Square> cursor = {};
    // The full board the puzzle was made from, when known: the hint's answer
    // on boards too large to search in the time of a key press.
    std::optional<Board> solution = {};
    // The day whose daily puzzle this is; nothing for any other game.
    std::optional<Day> daily = {};
    bool operator==(const SavedGame&) const = default;
};

// Files larger than this are refused before parsing. The largest game the
// program can make, an empty 81x81 board with all 81 notes on every square,
// takes about 2.2 MB; the rest is room for more members.
inline constexpr std::size_t max_saved_game_bytes = 4 * 1024 * 1024;

// {"board": [...], "original": [...], "difficulty": 0.5, "size": [3, 3]} on one line,
// then, only when a square has a note, "notes": [[x, y, [numbers]], ...]: x and y
// from 0 as in "board", in board order, the numbers ascending; then, each only when
// it is not 0, any or missing, "elapsed": seconds, "level": "easy" .. "expert",
// "cursor": [x, y], "solution": a full board like "board" and "daily": "2026-12-09"
// for a daily puzzle, before the closing
// brace. A game without them is written as the game always was.
// The difficulty is written in its shortest exact form and always as a fraction
// (1.0, not 1); JSON has no infinity or NaN, so those throw std::domain_error.
std::string encode_saved_game(const SavedGame& game);

// encode_saved_game's text, or nothing when the reader would refuse it for its
// size: a save never writes a file that cannot be loaded.
std::optional<std::string> saved_game_text(const SavedGame& game);

// Any valid JSON with the four members, sound shapes and every given of "original"
// standing unchanged in "board", and notes (when there are any) only on empty
// squares, each square once, numbers from 1 to N ascending, and a solution (when there
// is one) full, keeping the rule and every given; nullopt for anything else.
std::optional<SavedGame> decode_saved_game(std::string_view text);

}  // namespace sudoku
