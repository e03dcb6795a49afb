// Every text the game speaks or shows, in one place, each in the player's
// language (translation.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <array>
#include <vector>

#include "board/board_facts.h"
#include "board/board_reading.h"
#include "board/game.h"
#include "board/translation.h"
#include "sudoku/board.h"
#include "sudoku/hint.h"
#include "sudoku/rating.h"

namespace sudoku::texts {

// Window and screens.
inline std::string window_title() {
    return tr("Sudoku. By Quillmoor.");
}
inline std::string main_menu() {
    return tr("Main Menu.");
}
inline std::string continue_game() {
    return tr("Continue Game.");
}
inline std::string new_game() {
    return tr("New Game.");
}
inline std::string daily_puzzle_item() {
    return tr("Daily Puzzle.");
}
inline std::string load_game() {
    return tr("Load Game.");
}
inline std::string enter_puzzle_item() {
    return tr("Enter a Puzzle.");
}
inline std::string statistics_item() {
    return tr("Statistics.");
}
inline std::string settings_item() {
    return tr("Settings.");
}
inline std::string exit() {
    return tr("Exit.");
}
inline std::string game_board() {
    return tr("Game board");
}

// Settings dialog; its lists come from settings.h.
inline std::string settings_title() {
    return tr("Settings");
}
inline std::string ok() {
    return tr("OK");
}

// Size and difficulty dialog.
inline std::string new_game_title() {
    return tr("New game");
}
inline std::string board_size() {
    return tr("Board size.");
}
inline std::string board_difficulty() {
    return tr("Board difficulty.");
}
inline std::string solving_level() {
    return tr("Solving level.");
}
// "Any level", "Easy", ... "Expert": the level list's items.
std::string level_item(sudoku::Level level);
inline std::string go() {
    return tr("Go!");
}
std::string size_item(int box);            // "3x3"
std::string difficulty_item(int percent);  // "30 percent empty"
// Before the first square when the level chosen was not made: "This puzzle
// is easy: no hard puzzle was found with 30 percent empty."
std::string level_fallback(sudoku::Level made, sudoku::Level asked, int percent);
// Before the first square when the share chosen was moved into the level's
// range: "A hard puzzle needs 30 to 70 percent empty: this one is 30 percent
// empty."
std::string level_share_moved(sudoku::Level level, int lowest, int highest, int percent);
// The puzzle's level, said: "This is a medium puzzle." or "This puzzle needs guessing."
std::string level_said(sudoku::Level level);

// Play.
inline std::string given_refused() {
    return tr("You can't change this number.");
}
inline std::string invalid_number() {
    return tr("Invalid number.");
}
inline std::string number_dropped() {
    return tr("Number dropped.");
}
inline std::string enter_number() {
    return tr("Enter the number you wish to place.");
}
inline std::string not_positive() {
    return tr("You must enter a positive number that is greater than 0.");
}
inline std::string too_large() {
    return tr("That number is too large to place.");
}
inline std::string not_whole_number() {
    return tr("That is not a whole number.");
}
inline std::string nothing_to_clear() {
    return tr("Nothing to clear.");
}
inline std::string delete_given_refused() {
    return tr("You can not delete this number.");
}
inline std::string cleared() {
    return tr("cleared.");
}
inline std::string completed() {
    return tr("You completed the board! What a genius!");
}
inline std::string wow() {
    return tr("Oh, wow!");
}

// The spoken name of a digit 1..9 ("one" .. "nine").
std::string digit_name(int digit);
// "3 1: empty." or "3 1: 7" for the square board[2][0]; without the
// position "empty." or "7".
std::string square_announcement(int x, int y, const sudoku::Cell& cell, bool with_position = true);
// "There are 17 empty squares."
std::string empty_count(long long count);
// "Playing for 1 hour 5 minutes.", "Playing for 12 minutes 5 seconds.",
// "Playing for 40 seconds.": hours and minutes only from one hour on.
std::string played(long long seconds);

// What the player is told of a move: spoken when `title` is empty, else shown
// in a message box with that title. An empty text says nothing at all.
struct Feedback {
    std::string text;
    std::string title;
    // A square as the cursor meets it: a newer one may cut it off.
    bool square = false;
    // What the player types, heard as it is typed: a screen reader echoes the
    // keys itself, so only the own voice says it.
    bool echo = false;
    bool operator==(const Feedback&) const = default;
};
Feedback say(const sudoku::Move& move);

// Reading the board by ear.
// "3 1": a square as the game says it, in the form the settings choose: its
// column, then its row, from 1 ("3 1"), its row first ("1 3"), or its
// column's letters and its row ("C1").
std::string position(sudoku::Square square);
// "A" .. "Z", "AA", "AB", ...: column 1, 2, ... as spreadsheets name them.
std::string column_letters(int column);
// "row 3"
std::string group_name(sudoku::Group group);
// Asks for a square in the settings' form.
std::string go_to_prompt();
inline std::string no_clashes() {
    return tr("No clashes.");
}
inline std::string nothing_to_explain() {
    return tr("Nothing to explain.");
}
inline std::string keys_title() {
    return tr("Keys");
}
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
inline std::string notes_for_empty() {
    return tr("Notes are for empty squares.");
}
inline std::string notes_filled() {
    return tr("Notes filled.");
}
inline std::string notes_cleared() {
    return tr("Notes cleared.");
}
// After "Undone." for the notes filled in every square.
inline std::string notes_as_they_were() {
    return tr("Notes as they were.");
}
inline std::string undone() {
    return tr("Undone.");
}
inline std::string redone() {
    return tr("Redone.");
}
inline std::string nothing_to_undo() {
    return tr("Nothing to undo.");
}
inline std::string nothing_to_redo() {
    return tr("Nothing to redo.");
}
inline std::string no_hint() {
    return tr("No hint found.");
}
// The square as square_announcement says it, then its notes: "3 1: empty. Notes 2, 5."
std::string announce(const sudoku::Game& game, sudoku::Square square, bool with_position = true);
// As announce, with the sounds instead of words: the position and the
// number, "3 1: 7", or for an empty square the position alone, "3 1" (its
// sound tells empty or notes); without the position the number, or nothing.
std::string announce_briefly(const sudoku::Game& game, sudoku::Square square, bool with_position);
// say(move), and after an undo or redo the square it went to as it is now,
// "Undone. 3 1: empty.", or for the filled notes "Undone. Notes as they were."
Feedback say(const sudoku::Move& move, const sudoku::Game& game);
// "5 goes at 3 7: the only place for 5 in row 7.", or one elimination
// "In box 1, 5 can only go in row 1, so 4 1 cannot take 5."
std::string hint(const sudoku::Hint& hint);

// The whole board, and the player's mistakes.
// "5 is at 1 3, 4 4 and 7 8. 6 to place.", "5 is not on the board. 9 to
// place." or "Every 5 is placed."
std::string where_is(sudoku::Value number, const sudoku::NumberPlaces& places);
// "7 is outside 1 to 4."
std::string beyond_board(sudoku::Value number, int side);
// "Left to place: 1 once, 3 twice, 7 4 times." or "Nothing left to place."
std::string left_to_place(const std::vector<sudoku::LeftToPlace>& left);
// "Row 3, column 7 and box 5 have 1 empty square each." or "Box 2 has 3
// empty squares."; on a full board as empty_count says it.
std::string fullest_units(const sudoku::FullestUnits& fullest);
// "No mistakes so far." or "2 of your numbers are wrong."
std::string mistakes(long long wrong);
inline std::string cannot_check() {
    return tr("Your numbers cannot be checked: no solution was found.");
}
// "Back to the last right board: 3 changes undone."
std::string back_to_right_board(long long undone);
inline std::string no_mistakes_to_undo() {
    return tr("No mistakes to undo.");
}
inline std::string no_right_board() {
    return tr("No board in this game's history was without mistakes.");
}
inline std::string mark_set() {
    return tr("Mark set.");
}
// "Back to the mark: 5 changes undone.", or after undos past it "Back to the
// mark: 2 changes redone." (`steps` below 0).
std::string back_to_mark(long long steps);
inline std::string already_at_mark() {
    return tr("Already at the mark.");
}
inline std::string no_mark() {
    return tr("No mark set.");
}
inline std::string mark_gone() {
    return tr("The mark is gone.");
}

// Saved games.
inline std::string file_wildcard() {
    return tr("Sudoku Puzzle File (*.sudoku)|*.sudoku");
}
inline constexpr std::string_view file_extension = ".sudoku";
inline std::string save_prompt() {
    return tr("Please pick a file to save your game into.");
}
inline std::string load_prompt() {
    return tr("Please pick a file to load.");
}
inline std::string game_saved() {
    return tr("Game saved.");
}
inline std::string save_failed() {
    return tr("I could not save your game!");
}
inline std::string save_failed_title() {
    return tr("Uh oh!");
}
inline std::string replace_title() {
    return tr("Replace file?");
}
// "game.sudoku already exists. Do you want to replace it?"
std::string replace_question(const std::string& file_name);
// Said once a run, the first time the autosave cannot keep the game.
inline std::string cannot_keep() {
    return tr(
        "This game cannot be kept: the folder for kept games cannot be written. Save it with "
        "Ctrl+S.");
}
// A saved game opened while the game already runs.
inline std::string already_running() {
    return tr(
        "The game was already open. To play the file you chose, use Load Game. in the "
        "main menu.");
}
inline std::string load_failed() {
    return tr("I was unable to load your game.");
}
inline std::string oops_title() {
    return tr("Oops.");
}

// "6 minutes 12 seconds": hours and minutes only from one hour on.
std::string duration(long long seconds);
// The statistics screen: "9x9 medium: 12 won of 15, best 6 minutes 12
// seconds, average 9 minutes 40 seconds.", or without times before a win.
std::string games_tally(int side, sudoku::Level level, long long won, long long started,
                        std::optional<long long> best, long long average);
// "Daily puzzle: 5 days in a row, longest 12."
std::string daily_streak(long long current, long long longest);
inline std::string nothing_played() {
    return tr("No games played yet.");
}
// "Daily puzzle for Wednesday, 9 December: medium.": the weekday from 0 for
// Monday, the month from 1 for January.
std::string daily_said(int weekday, int day, int month, sudoku::Level level);
// "New best time for 9x9 medium: 6 minutes 12 seconds."
std::string new_best_time(int side, sudoku::Level level, long long seconds);

// Enter a Puzzle.: the box's prompt and its refusals.
inline std::string enter_puzzle_prompt() {
    return tr("Type or paste a puzzle: its numbers row by row, with . or 0 for an empty square.");
}
inline std::string unreadable_puzzle(long long squares) {
    return tr_fill("That is not a puzzle I can read: it has %1$s squares.",
                   {std::to_string(squares)});
}
// `word`: what stands where a number should.
inline std::string unreadable_puzzle_word(std::string_view word) {
    return tr_fill("That is not a puzzle I can read: %1$s is not a number.", {word});
}
inline std::string puzzle_number_outside(long long value, int side) {
    return tr_fill("%1$s is outside 1 to %2$s.", {std::to_string(value), std::to_string(side)});
}
// "This puzzle breaks the rule: 5 twice in row 1."
std::string puzzle_breaks_rule(sudoku::Value value, sudoku::Group group);
inline std::string puzzle_without_solution() {
    return tr("This puzzle has no solution.");
}
inline std::string puzzle_with_several_solutions() {
    return tr("This puzzle has more than one solution.");
}
inline std::string board_copied() {
    return tr("Board copied.");
}
// Another program holds the clipboard, or there is none.
inline std::string board_not_copied() {
    return tr("The board could not be copied.");
}

}  // namespace sudoku::texts
