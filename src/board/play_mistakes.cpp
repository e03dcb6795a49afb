// Finding the player's mistakes, and going back in the history: to the last
// right board, or to a mark the player set.
#include <utility>

#include "board/board_facts.h"
#include "board/mistakes.h"
#include "board/play.h"

namespace sudoku {

Answer Play::where_is(int number) const {
    const int n = game_.geometry().n();
    if (number > n) {
        return spoken(texts::beyond_board(number, n));
    }
    return spoken(texts::where_is(number, sudoku::where_is(game_, number)));
}

Answer Play::check_numbers() const {
    const std::optional<Board> solution =
        judging_solution(game_, solution_ ? &*solution_ : nullptr);
    if (!solution) {
        return spoken(texts::cannot_check());
    }
    return spoken(texts::mistakes(wrong_numbers(game_, *solution)));
}

Answer Play::rewind() {
    const std::optional<Board> solution =
        judging_solution(game_, solution_ ? &*solution_ : nullptr);
    if (!solution) {
        return spoken(texts::cannot_check());
    }
    const std::optional<std::size_t> undos = undos_to_right_board(game_, *solution);
    if (!undos) {
        return spoken(texts::no_right_board());
    }
    if (*undos == 0) {
        return spoken(texts::no_mistakes_to_undo());
    }
    const auto steps = static_cast<long long>(*undos);
    return walk(steps, texts::back_to_right_board(steps));
}

Answer Play::back_to_mark() {
    if (!mark_) {
        return spoken(texts::no_mark());
    }
    const std::optional<long long> steps = game_.steps_to(*mark_);
    if (!steps) {
        return spoken(texts::mark_gone());
    }
    if (*steps == 0) {
        return spoken(texts::already_at_mark());
    }
    return walk(*steps, texts::back_to_mark(*steps));
}

Answer Play::walk(long long steps, std::string words) {
    Move last{MoveKind::undo, Outcome::nothing_to_undo};
    Answer answer;
    for (long long done = 0; done < (steps < 0 ? -steps : steps); ++done) {
        last = steps < 0 ? game_.redo() : game_.undo();
        // Every step counts, the notes filled everywhere too: the board is drawn again.
        answer.changed.push_back(last.square);
    }
    answer.modified = true;
    refusal_.reset();
    // Filling the notes changed the whole board, not a square: the cursor stays.
    if (last.changed_by != MoveKind::fill_notes && last.square != cursor_) {
        cursor_ = last.square;
        answer.cursor_moved = true;
    }
    // One text, so that nothing cuts off the count before the square.
    answer.said.push_back({words.append(" ").append(texts::announce(game_, cursor_)), {}});
    // Redone to the mark, the board may be full.
    complete(answer);
    return answer;
}

}  // namespace sudoku
