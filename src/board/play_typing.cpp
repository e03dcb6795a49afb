// Numbers typed digit by digit on the board, and notes with Ctrl and the digits.
#include <string>
#include <utility>

#include "board/play.h"

namespace sudoku {

Answer joined(Answer first, Answer then) {
    Answer answer = std::move(then);
    answer.said.insert(answer.said.begin(), first.said.begin(), first.said.end());
    answer.changed.insert(answer.changed.begin(), first.changed.begin(), first.changed.end());
    answer.sounds.insert(answer.sounds.begin(), first.sounds.begin(), first.sounds.end());
    answer.cursor_moved = answer.cursor_moved || first.cursor_moved;
    answer.modified = answer.modified || first.modified;
    answer.won = answer.won || first.won;
    return answer;
}

std::optional<Answer> Play::type(Command command) {
    // After f a digit starts the number to find; any other key forgets f and
    // goes on as ever.
    if (std::exchange(finding_, false) && command.verb == Verb::place) {
        typing_ = TypedDigits(game_.geometry().n());
        typing_verb_ = Verb::find_number;
        return typed(typing_.digit(command.number));
    }
    const bool note = typing() && typing_verb_ == Verb::note;
    switch (command.verb) {
        case Verb::place:
        case Verb::note:
            return type_digit(command.verb, command.number);
        case Verb::zero:
            // Ctrl+0 is the note's 0; a plain 0 ends a note.
            return typing() && !note ? std::optional(typed(typing_.digit(0))) : std::nullopt;
        case Verb::zoom_reset:
            return note ? std::optional(typed(typing_.digit(0))) : std::nullopt;
        case Verb::clear:
            return typing() ? std::optional(typed(typing_.back_space())) : std::nullopt;
        case Verb::escape:
            return typing() ? std::optional(typed(typing_.escape())) : std::nullopt;
        case Verb::type_number:
        case Verb::end_number:
            return typing() ? std::optional(end_typing()) : std::nullopt;
        default:
            return std::nullopt;
    }
}

std::optional<Answer> Play::type_digit(Verb verb, int digit) {
    // The number to find goes on with the digits of a number to place.
    const Verb typing_kind = typing_verb_ == Verb::find_number ? Verb::place : typing_verb_;
    if (typing() && verb != typing_kind) {
        // A note's digit ends a number typed before it, and the other way round.
        return std::nullopt;
    }
    if (!typing()) {
        typing_ = TypedDigits(game_.geometry().n());
        typing_verb_ = verb;
    }
    return typed(typing_.digit(digit));
}

Answer Play::typed(TypedDigits::Step step) {
    using Kind = TypedDigits::Kind;
    switch (step.kind) {
        case Kind::none:
            break;
        case Kind::pending: {
            Answer answer;
            answer.said.push_back({std::to_string(step.number), {}, false, true});
            return answer;
        }
        case Kind::place:
            if (typing_verb_ == Verb::find_number) {
                return where_is(step.number);
            }
            return typing_verb_ == Verb::note ? report(game_.toggle_note(cursor_, step.number))
                                              : place(step.number);
        case Kind::dropped:
            return spoken(texts::number_dropped());
    }
    return {};
}

Answer Play::end_typing() {
    return typed(typing_.end());
}

}  // namespace sudoku
