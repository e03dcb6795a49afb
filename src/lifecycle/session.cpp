#include "lifecycle/session.h"

#include <utility>

#include "board/texts.h"
#include "lifecycle/daily_puzzle.h"
#include "lifecycle/kept_game.h"

namespace sudoku {

Session::Session(std::unique_ptr<Autosave> autosave, std::optional<std::string> statistics_path)
    : autosave_(std::move(autosave)), statistics_(std::move(statistics_path)) {
    if (std::optional<SavedGame> left = autosave_->resume()) {
        daily_ = left->daily;
        play_ = play_of(std::move(*left));
        kept_ = true;
        on_disk_ = saved(std::chrono::steady_clock::now(), true);
    }
}

std::vector<MenuItem> Session::menu() const {
    std::vector<MenuItem> items = {{texts::new_game(), MenuAction::new_game},
                                   {texts::daily_puzzle_item(), MenuAction::daily_puzzle},
                                   {texts::load_game(), MenuAction::load_game},
                                   {texts::enter_puzzle_item(), MenuAction::enter_puzzle},
                                   {texts::statistics_item(), MenuAction::statistics},
                                   {texts::settings_item(), MenuAction::settings},
                                   {texts::exit(), MenuAction::exit}};
    if (kept_) {
        items.insert(items.begin(), {texts::continue_game(), MenuAction::continue_game});
    }
    return items;
}

std::optional<MenuAction> Session::chosen(int row) const {
    const std::vector<MenuItem> items = menu();
    if (row < 0 || static_cast<std::size_t>(row) >= items.size()) {
        return std::nullopt;
    }
    return items[static_cast<std::size_t>(row)].action;
}

void Session::take(Play play, std::optional<Day> daily) {
    play_ = std::move(play);
    daily_ = daily;
    notice_.clear();
}

void Session::new_game(const NewGameChoice& choice) {
    NewGame made = make_game(choice);
    take(std::move(made.play));
    notice_ = std::move(made.notice);
    count_start();
}

void Session::daily(Day today) {
    if (kept_ && daily_ == today) {
        return;
    }
    NewGame made = make_daily(today);
    take(std::move(made.play), today);
    notice_ = std::move(made.notice);
    count_start();
}

void Session::enter(TypedPuzzle puzzle) {
    const double squares = static_cast<double>(puzzle.board.size() * puzzle.board.size());
    const double share = static_cast<double>(count_empty(puzzle.board)) / squares;
    const Level level = rate(puzzle.board, puzzle.size);
    Game game(puzzle.board, puzzle.board, puzzle.size, share);
    take(Play(std::move(game), {}, {}, level, std::move(puzzle.solution)));
    notice_ = texts::level_said(level);
    count_start();
}

bool Session::load(std::string_view text) {
    std::optional<SavedGame> saved = decode_saved_game(text);
    if (!saved) {
        return false;
    }
    const std::optional<Day> daily = saved->daily;
    take(play_of(std::move(*saved)), daily);
    return true;
}

std::optional<std::string> Session::save_text(Clock::Time now) const {
    return saved_game_text(saved(now, false));
}

SavedGame Session::saved(Clock::Time now, bool with_cursor) const {
    SavedGame game = saved_game_of(play_, now, with_cursor);
    game.daily = daily_;
    return game;
}

Answer Session::start(Clock::Time now) {
    // A new or loaded game replaces the kept one at once, on disk too.
    kept_ = true;
    keep(now);
    Answer first = play_.start(notice_);
    notice_.clear();
    return first;
}

Answer Session::handle(Command command, std::optional<std::string_view> typed, Clock::Time now) {
    Answer answer = play_.handle(command, typed);
    // Before anything is said: a won game's box may be up when the session
    // ends, and the game must not come back full.
    if (answer.won) {
        count_win(answer, now);
        kept_ = false;
        on_disk_.reset();
        autosave_->forget();
    } else if (answer.modified) {
        keep(now);
    }
    return answer;
}

void Session::count_start() {
    const int side = static_cast<int>(play_.game().board().size());
    statistics_.change([&](Statistics& statistics) { statistics.started(side, play_.level()); });
}

void Session::count_win(Answer& answer, Clock::Time now) {
    const int side = static_cast<int>(play_.game().board().size());
    const long long seconds = play_.clock().played(now).count();
    bool best = false;
    statistics_.change([&](Statistics& statistics) {
        best = statistics.won(side, play_.level(), seconds);
        if (daily_) {
            statistics.won_daily(*daily_);
        }
    });
    if (best) {
        answer.said.push_back({texts::new_best_time(side, play_.level(), seconds), {}});
    }
}

void Session::run_clock(bool running, Clock::Time now) {
    if (running) {
        play_.clock().run(now);
    } else {
        play_.clock().stop(now);
    }
}

void Session::pause(Clock::Time now) {
    play_.clock().stop(now);
    keep(now);
}

void Session::close(Clock::Time now) {
    pause(now);
    autosave_->flush();
}

void Session::keep(Clock::Time now) {
    if (!kept_) {
        return;
    }
    SavedGame game = saved(now, true);
    // A copy that changed nothing writes nothing: it must never put back an
    // older game over one another copy kept since.
    if (game != on_disk_) {
        on_disk_ = game;
        autosave_->keep(std::move(game));
    }
}

}  // namespace sudoku
