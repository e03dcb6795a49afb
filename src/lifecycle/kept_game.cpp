#include "lifecycle/kept_game.h"

#include <utility>

namespace sudoku {

SavedGame saved_game_of(const Play& play, Clock::Time now, bool with_cursor) {
    const Game& game = play.game();
    SavedGame saved{game.board(), game.original(), game.difficulty(), game.size(), game.notes()};
    saved.elapsed = static_cast<std::uint64_t>(play.clock().played(now).count());
    saved.level = play.level();
    saved.solution = play.solution();
    if (with_cursor) {
        saved.cursor = play.cursor();
    }
    return saved;
}

Play play_of(SavedGame saved) {
    const Square cursor = saved.cursor.value_or(Square{});
    const auto played = std::chrono::seconds(static_cast<std::int64_t>(saved.elapsed));
    return Play(Game(std::move(saved.board), std::move(saved.original), saved.size,
                     saved.difficulty, std::move(saved.notes)),
                cursor, played, saved.level, std::move(saved.solution));
}

}  // namespace sudoku
