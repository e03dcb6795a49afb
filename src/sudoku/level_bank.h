// The bank of seed puzzles for the levels: a few puzzles per square-boxed
// board size, level and share of empty squares (every tenth from 10 to 90
// percent), made ahead of play by the level generator with a far larger work
// budget than a key press allows (scripts/make-level-bank), each with one
// solution and rated at its level. At play time a seed is drawn and redrawn
// by one of the board's symmetries, which keep both: a puzzle in
// microseconds, of the level asked, among about 10^12 boards per 9x9 seed.
#pragma once

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "sudoku/dug_board.h"

namespace sudoku {

// Shares of empty squares, in percent, both ends included.
struct ShareRange {
    int lowest = 0;
    int highest = 0;
    bool operator==(const ShareRange&) const = default;
};

// The shares the bank holds puzzles of `level` for on boards of `size`;
// nothing when it holds none (boxes that are not square, boards past 25x25,
// Level::any, or a level no seed was found for).
std::optional<ShareRange> level_range(BoxSize size, Level level);

// A puzzle of `level` with `holes` empty squares on a board of `size`, drawn
// from the bank and varied; nothing when the bank holds none for them.
std::optional<DugPuzzle> banked_puzzle(BoxSize size, int holes, Level level, std::mt19937_64& rng);

// One seed as the bank holds it.
struct BankedSeed {
    int box_side = 0;
    Level level = Level::any;
    int percent = 0;
    DugPuzzle puzzle;
};

// Every seed of the bank, as written, for the test that checks each.
std::vector<BankedSeed> bank_seeds();

// The bank's line for a seed: box side, level, percent, then the squares row
// by row, a letter each: its number as a capital (A is 1) when given, as a
// small letter when empty. What scripts/make-level-bank writes.
std::string bank_line(const BankedSeed& seed);

}  // namespace sudoku
