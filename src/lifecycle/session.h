// The mid-end: a game's life between the play session and the window. It owns
// the game in play and the kept game, and decides what the window only
// carries out: the main menu's items, a new, loaded or continued game, the
// first words of a board, and after every answer whether the kept game is
// written to the autosave or forgotten.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/play.h"
#include "lifecycle/autosave.h"
#include "lifecycle/calendar_day.h"
#include "lifecycle/new_game.h"
#include "lifecycle/statistics_store.h"
#include "lifecycle/typed_puzzle.h"

namespace sudoku {

// What a main menu item asks the window to do.
enum class MenuAction {
    continue_game,
    new_game,
    daily_puzzle,
    load_game,
    enter_puzzle,
    statistics,
    settings,
    exit
};

struct MenuItem {
    std::string name;
    MenuAction action;
};

class Session {
  public:
    // The game the autosave holds, if it can be read, is kept from the start;
    // the statistics are counted in the file at `statistics_path`, if any.
    explicit Session(std::unique_ptr<Autosave> autosave,
                     std::optional<std::string> statistics_path = std::nullopt);

    // The game as the board draws it; what changes it goes through handle().
    const Play& play() const { return play_; }
    // A game is kept (left for the menu, or found at start) until it is won
    // or replaced: the menu offers to continue it, and the autosave holds it.
    bool kept() const { return kept_; }
    Autosave& autosave() { return *autosave_; }
    const Statistics& statistics() const { return statistics_.statistics(); }

    // Continue Game. first while a game is kept, then New Game., Daily Puzzle.,
    // Load Game., Enter a Puzzle., Statistics., Settings., Exit.
    std::vector<MenuItem> menu() const;
    // What the menu's row does; nothing for a row it does not have.
    std::optional<MenuAction> chosen(int row) const;

    // The game to play next, replacing the one in memory; a board shows it.
    // `daily`: the day whose daily puzzle it is.
    void take(Play play, std::optional<Day> daily = std::nullopt);
    // A fresh game as chosen; a level that could not be made is said first.
    void new_game(const NewGameChoice& choice);
    // The daily puzzle of `today`: the kept game when it is that one, else
    // made afresh, the day and level said first.
    void daily(Day today);
    // A puzzle the player typed in, its numbers the givens; its level is said first.
    void enter(TypedPuzzle puzzle);
    // A saved game's text; false, and nothing changed, when it is refused.
    bool load(std::string_view text);
    // The game as a saved file holds it; nothing when it could not be read back.
    std::optional<std::string> save_text(Clock::Time now) const;

    // A board shows the game: it is kept at once, on disk too. The first
    // words: the notice of a new game, if any, and the square under the cursor.
    Answer start(Clock::Time now);
    // A command on the board and its answer: the game changed is kept, a won
    // one forgotten, before the answer is given.
    Answer handle(Command command, std::optional<std::string_view> typed, Clock::Time now);
    // The board moved its cursor itself (a click, the grid's own keys): the
    // game does not change, so nothing is kept for it.
    Answer moved_to(Square square) { return play_.moved_to(square); }
    // The time played runs only while the board is on screen and the window active.
    void run_clock(bool running, Clock::Time now);
    // The board is left: the clock stops and the game is kept.
    void pause(Clock::Time now);
    // The program ends: as pause(), and the autosave is on disk on return.
    void close(Clock::Time now);

  private:
    SavedGame saved(Clock::Time now, bool with_cursor) const;
    // Writes the kept game to the autosave, cursor and time played with it.
    void keep(Clock::Time now);
    // A game begins: it counts as started for its size and level.
    void count_start();
    // The game is won: counted, and a new best time said after the congratulation.
    void count_win(Answer& answer, Clock::Time now);

    Play play_;
    // The day whose daily puzzle is in play; nothing for any other game.
    std::optional<Day> daily_;
    bool kept_ = false;
    std::unique_ptr<Autosave> autosave_;
    StatisticsStore statistics_;
    // The game as this copy last found or wrote it in the autosave.
    std::optional<SavedGame> on_disk_;
    // Said before the first square of the next board, then forgotten.
    std::string notice_;
};

}  // namespace sudoku
