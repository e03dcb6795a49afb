// The board's commands: each one's description and what it does, in one table.
#include <algorithm>
#include <stdexcept>

#include "board/keys.h"
#include "board/play.h"
#include "lifecycle/hint.h"

namespace sudoku {

struct Play::Entry {
    Verb verb;
    // "%d" stands for the command's number.
    std::string_view description;
    Answer (*run)(Play& play, int number, std::optional<std::string_view> typed);
};

namespace {

Answer effect(Effect what) {
    Answer answer;
    answer.effect = what;
    return answer;
}

}  // namespace

using V = Verb;
using Typed = std::optional<std::string_view>;

// A member's initializer: its lambdas may reach the session's own moves.
const Play::Entry Play::table_[] = {
        {V::save, "Save the game", [](Play&, int, Typed) { return effect(Effect::save); }},
        {V::go_back, "Back to the main menu",
         [](Play&, int, Typed) { return effect(Effect::go_home); }},
        {V::place, "Place %d", [](Play& p, int n, Typed) { return p.is_valid(n); }},
        {V::type_number, "Type any number for the square",
         [](Play& p, int, Typed typed) { return p.customval(typed); }},
        {V::clear, "Clear the square", [](Play& p, int, Typed) { return p.backspace(); }},
        {V::count, "Say how many squares are empty", [](Play& p, int, Typed) { return p.numb(); }},
        {V::left, "Move left", [](Play& p, int, Typed) { return p.arrow(-1, 0); }},
        {V::right, "Move right", [](Play& p, int, Typed) { return p.arrow(1, 0); }},
        {V::up, "Move up", [](Play& p, int, Typed) { return p.arrow(0, -1); }},
        {V::down, "Move down", [](Play& p, int, Typed) { return p.arrow(0, 1); }},
        {V::row_start, "Move to the start of the row",
         [](Play& p, int, Typed) { return p.go_to({0, p.cursor_.y}); }},
        {V::row_end, "Move to the end of the row",
         [](Play& p, int, Typed) { return p.go_to({p.game_.geometry().n() - 1, p.cursor_.y}); }},
        {V::read_row, "Read the row",
         [](Play& p, int, Typed) {
             const Group row = p.game_.geometry().group_of(Unit::row, p.cursor_);
             return spoken(texts::reading(row, read_group(p.game_, row)));
         }},
        {V::read_column, "Read the column",
         [](Play& p, int, Typed) {
             const Group column = p.game_.geometry().group_of(Unit::column, p.cursor_);
             return spoken(texts::reading(column, read_group(p.game_, column)));
         }},
        {V::read_box, "Read the box",
         [](Play& p, int, Typed) {
             const Group box = p.game_.geometry().group_of(Unit::box, p.cursor_);
             return spoken(texts::reading(box, read_group(p.game_, box)));
         }},
        {V::missing, "Say what the row, column and box still need",
         [](Play& p, int, Typed) { return spoken(texts::missing(missing_around(p.game_, p.cursor_))); }},
        {V::options, "Say the numbers the square can take",
         [](Play& p, int, Typed) {
             return spoken(texts::options(p.cursor_, options_for(p.game_, p.cursor_)));
         }},
        {V::next_empty, "Go to the next empty square",
         [](Play& p, int, Typed) { return p.nextempty(true); }},
        {V::previous_empty, "Go to the previous empty square",
         [](Play& p, int, Typed) { return p.nextempty(false); }},
        {V::say_square, "Say the square again", [](Play& p, int, Typed) { return p.sayagain(); }},
        {V::clashes, "Say where the rule is broken",
         [](Play& p, int, Typed) { return spoken(texts::clashes(rule_breaks(p.game_))); }},
        {V::why, "Say why the last digit was refused",
         [](Play& p, int, Typed) {
             return spoken(texts::explanation(explain_refusal(p.game_, p.refusal_)));
         }},
        {V::go_to, "Go to a square by its column and row",
         [](Play& p, int, Typed typed) { return p.gotosquare(typed); }},
        {V::key_help, "List the keys",
         [](Play&, int, Typed) {
             Answer answer;
             answer.said.push_back({keys::help(), texts::keys_title});
             return answer;
         }},
        {V::undo, "Undo the last change", [](Play& p, int, Typed) { return p.report(p.game_.undo()); }},
        {V::redo, "Redo the change undone last",
         [](Play& p, int, Typed) { return p.report(p.game_.redo()); }},
        {V::note, "Add or remove the note %d",
         [](Play& p, int n, Typed) { return p.report(p.game_.toggle_note(p.cursor_, n)); }},
        {V::fill_notes, "Note every number each empty square can take",
         [](Play& p, int, Typed) { return p.report(p.game_.fill_notes(p.cursor_)); }},
        {V::hint, "Say the next step and why",
         [](Play& p, int, Typed) {
             const Game& game = p.game_;
             return spoken(texts::hint(find_hint(game.board(), game.original(), game.size())));
         }},
        {V::say_time, "Say how long this game has been played",
         [](Play& p, int, Typed) {
             const auto now = std::chrono::steady_clock::now();
             return spoken(texts::played(p.clock_.played(now).count()));
         }},
        {V::say_level, "Say the level of the puzzle",
         [](Play& p, int, Typed) { return p.saylevel(); }},
        {V::zoom_in, "Larger squares", [](Play&, int, Typed) { return effect(Effect::zoom_in); }},
        {V::zoom_out, "Smaller squares", [](Play&, int, Typed) { return effect(Effect::zoom_out); }},
        {V::zoom_reset, "Squares of the usual size",
         [](Play&, int, Typed) { return effect(Effect::zoom_reset); }},
};

const Play::Entry& Play::entry(Verb verb) {
    const auto found = std::find_if(std::begin(table_), std::end(table_),
                                    [verb](const Entry& each) { return each.verb == verb; });
    if (found == std::end(table_)) {
        throw std::logic_error("a verb without an entry in the command table");
    }
    return *found;
}

std::string_view Play::description(Verb verb) {
    return entry(verb).description;
}

Answer Play::handle(Command command, std::optional<std::string_view> typed) {
    return entry(command.verb).run(*this, command.number, typed);
}

std::string describe(Command command) {
    const std::string_view text = Play::description(command.verb);
    std::string described(text);
    if (const auto at = described.find("%d"); at != std::string::npos) {
        described.replace(at, 2, std::to_string(command.number));
    }
    return described;
}

}  // namespace sudoku
