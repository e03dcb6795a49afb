// Every text the game speaks or shows, in one place.
#pragma once

#include <string>
#include <string_view>

#include <array>
#include <vector>

#include "board/board.h"
#include "board/board_reading.h"
#include "board/game.h"
#include "lifecycle/hint.h"
#include "lifecycle/rating.h"

namespace texts {

// Window and screens.
inline constexpr std::string_view window_title = "Sudoku. By Quillmoor.";
inline constexpr std::string_view main_menu = "Main Menu.";
inline constexpr std::string_view continue_game = "Continue Game.";
inline constexpr std::string_view new_game = "New Game.";
inline constexpr std::string_view load_game = "Load Game.";
inline constexpr std::string_view exit = "Exit.";
inline constexpr std::string_view game_board = "Game board";

// Size and difficulty dialog.
inline constexpr std::string_view new_game_title = "New game";
inline constexpr std::string_view board_size = "Board size.";
inline constexpr std::string_view board_difficulty = "Board difficulty.";
inline constexpr std::string_view solving_level = "Solving level.";
// "Any level", "Easy", ... "Expert": the level list's items.
std::string_view level_item(sudoku::Level level);
inline constexpr std::string_view go = "Go!";
std::string size_item(int box);            // "3x3"
std::string difficulty_item(int percent);  // "30 percent empty"
// "easy", "medium", "hard", "expert"; "any level" for Level::any.
std::string_view level_name(sudoku::Level level);
// Before the first square when the level chosen was not made: "This puzzle
// is easy: no hard puzzle was found with 30 percent empty."
std::string level_fallback(sudoku::Level made, sudoku::Level asked, int percent);
// The l key: "This puzzle is medium." or "This puzzle needs guessing."
std::string level_said(sudoku::Level level);

// Play.
inline constexpr std::string_view given_refused = "You can't change this number.";
inline constexpr std::string_view invalid_number = "Invalid number.";
inline constexpr std::string_view enter_number = "Enter the number you wish to place.";
inline constexpr std::string_view not_positive =
    "You must enter a positive number that is greater than 0.";
inline constexpr std::string_view too_large = "That number is too large to place.";
inline constexpr std::string_view not_whole_number = "That is not a whole number.";
inline constexpr std::string_view nothing_to_clear = "Nothing to clear.";
inline constexpr std::string_view delete_given_refused = "You can not delete this number.";
inline constexpr std::string_view cleared = "cleared.";
inline constexpr std::string_view completed = "You completed the board! What a genius!";
inline constexpr std::string_view wow = "Oh, wow!";

// The spoken name of a digit 1..9 ("one" .. "nine").
std::string_view digit_name(int digit);
// "3 1: empty." or "3 1: 7" for the square board[2][0].
std::string square_announcement(int x, int y, const sudoku::Cell& cell);
// "There are 17 empty squares."
std::string empty_count(long long count);
// "Playing for 1 hour 5 minutes.", "Playing for 12 minutes 5 seconds.",
// "Playing for 40 seconds.": hours and minutes only from one hour on.
std::string played(long long seconds);

// What the player is told of a move: spoken when `title` is empty, else shown
// in a message box with that title. An empty text says nothing at all.
struct Feedback {
    std::string text;
    std::string_view title;
    // A square as the cursor meets it: a newer one may cut it off.
    bool square = false;
    bool operator==(const Feedback&) const = default;
};
Feedback say(const sudoku::Move& move);

// Reading the board by ear.
// "3 1": a square as the game says it, its column, then its row, from 1.
std::string position(sudoku::Square square);
// "row 3"
std::string group_name(sudoku::Group group);
inline constexpr std::string_view go_to_prompt = "Go to square: column, then row.";
inline constexpr std::string_view no_clashes = "No clashes.";
inline constexpr std::string_view nothing_to_explain = "Nothing to explain.";
inline constexpr std::string_view keys_title = "Keys";
// "Row 3: 5, empty, 7, 1."
std::string reading(sudoku::Group group, const std::vector<sudoku::Cell>& cells);
// "Row 3 needs 3, 6, 8. Column 2 needs 1. Box 4 needs nothing."
std::string missing(const std::array<sudoku::Missing, 3>& missing);
// "3 1 can take 2, 6, 9.", "3 1 can take nothing." or "3 1 is given."
std::string options(sudoku::Square square, const sudoku::Options& options);
// "No clashes." or up to three like "7 twice in row 2, at 2 2 and 8 2." or
// "12 at 2 1 is outside 1 to 9.", the clashes first, then "And 4 more."
std::string clashes(const sudoku::RuleBreaks& breaks);
// "7 is outside 1 to 4." for a digit beyond the board's numbers,
// "5 is already at 3 7, in the same column.", a clash as `clashes` says it,
// "12 at 3 4 is outside 1 to 9." or "Nothing to explain."
std::string explanation(const sudoku::Explanation& explanation);
// "There is no square 12 40."
std::string no_such_square(std::string_view typed);
// Notes, undo and redo, hints.
inline constexpr std::string_view notes_for_empty = "Notes are for empty squares.";
inline constexpr std::string_view notes_filled = "Notes filled.";
inline constexpr std::string_view notes_cleared = "Notes cleared.";
// After "Undone." for Ctrl+N.
inline constexpr std::string_view notes_as_they_were = "Notes as they were.";
inline constexpr std::string_view undone = "Undone.";
inline constexpr std::string_view redone = "Redone.";
inline constexpr std::string_view nothing_to_undo = "Nothing to undo.";
inline constexpr std::string_view nothing_to_redo = "Nothing to redo.";
inline constexpr std::string_view no_hint = "No hint found.";
// The square as square_announcement says it, then its notes: "3 1: empty. Notes 2, 5."
std::string announce(const sudoku::Game& game, sudoku::Square square);
// say(move), and after an undo or redo the square it went to as it is now,
// "Undone. 3 1: empty.", or for Ctrl+N "Undone. Notes as they were."
Feedback say(const sudoku::Move& move, const sudoku::Game& game);
// "5 goes at 3 7: the only place for 5 in row 7.", any eliminations first.
std::string hint(const sudoku::Hint& hint);

// Saved games.
inline constexpr std::string_view file_wildcard = "Sudoku Puzzle File (*.sudoku)|*.sudoku";
inline constexpr std::string_view file_extension = ".sudoku";
inline constexpr std::string_view save_prompt = "Please pick a file to save your game into.";
inline constexpr std::string_view load_prompt = "Please pick a file to load.";
inline constexpr std::string_view game_saved = "Game saved.";
inline constexpr std::string_view save_failed = "I could not save your game!";
inline constexpr std::string_view save_failed_title = "Uh oh!";
inline constexpr std::string_view replace_title = "Replace file?";
// "game.sudoku already exists. Do you want to replace it?"
std::string replace_question(const std::string& file_name);
inline constexpr std::string_view load_failed = "I was unable to load your game.";
inline constexpr std::string_view load_failed_title = "Oops.";

}  // namespace texts
