// The board's commands: each one's description and what it does, in one table.
#include <algorithm>
#include <stdexcept>
#include <utility>

#include "board/board_facts.h"
#include "board/keys.h"
#include "board/play.h"
#include "board/translation.h"

namespace sudoku {

struct Play::Entry {
    Verb verb;
    // In English; "%1$s" stands for the command's number.
    const char* description;
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
using texts::for_catalog;
using Typed = std::optional<std::string_view>;

// A member's initializer: its lambdas may reach the session's own moves.
const Play::Entry Play::table_[] = {
        {V::save, for_catalog("Save the game"), [](Play&, int, Typed) { return effect(Effect::save); }},
        {V::go_back, for_catalog("Back to the main menu"),
         [](Play&, int, Typed) { return effect(Effect::go_home); }},
        {V::escape, for_catalog("Drop the number being typed, else back to the main menu"),
         [](Play&, int, Typed) { return effect(Effect::go_home); }},
        {V::place, for_catalog("Place %1$s"), [](Play& p, int n, Typed) { return p.place(n); }},
        // A 0 only ever follows another digit: alone it does nothing.
        {V::zero, for_catalog("0 in a number being typed"), [](Play&, int, Typed) { return Answer{}; }},
        // The pause after the last digit: nothing is left to place by now.
        {V::end_number, for_catalog("Place the number typed so far"),
         [](Play&, int, Typed) { return Answer{}; }},
        {V::type_number, for_catalog("Type any number for the square"),
         [](Play& p, int, Typed typed) { return p.type_number(typed); }},
        {V::clear, for_catalog("Clear the square"), [](Play& p, int, Typed) { return p.clear(); }},
        {V::count, for_catalog("Say how many squares are empty"), [](Play& p, int, Typed) { return p.count(); }},
        {V::left, for_catalog("Move left"), [](Play& p, int, Typed) { return p.arrow(-1, 0); }},
        {V::right, for_catalog("Move right"), [](Play& p, int, Typed) { return p.arrow(1, 0); }},
        {V::up, for_catalog("Move up"), [](Play& p, int, Typed) { return p.arrow(0, -1); }},
        {V::down, for_catalog("Move down"), [](Play& p, int, Typed) { return p.arrow(0, 1); }},
        {V::row_start, for_catalog("Move to the start of the row"),
         [](Play& p, int, Typed) { return p.move_to({0, p.cursor_.y}); }},
        {V::row_end, for_catalog("Move to the end of the row"),
         [](Play& p, int, Typed) { return p.move_to({p.game_.geometry().n() - 1, p.cursor_.y}); }},
        {V::read_row, for_catalog("Read the row"),
         [](Play& p, int, Typed) {
             const Group row = p.game_.geometry().group_of(Unit::row, p.cursor_);
             return spoken(texts::reading(row, read_group(p.game_, row)));
         }},
        {V::read_column, for_catalog("Read the column"),
         [](Play& p, int, Typed) {
             const Group column = p.game_.geometry().group_of(Unit::column, p.cursor_);
             return spoken(texts::reading(column, read_group(p.game_, column)));
         }},
        {V::read_box, for_catalog("Read the box"),
         [](Play& p, int, Typed) {
             const Group box = p.game_.geometry().group_of(Unit::box, p.cursor_);
             return spoken(texts::reading(box, read_group(p.game_, box)));
         }},
        {V::missing, for_catalog("Say what the row, column and box still need"),
         [](Play& p, int, Typed) { return spoken(texts::missing(missing_around(p.game_, p.cursor_))); }},
        {V::options, for_catalog("Say the numbers the square can take"),
         [](Play& p, int, Typed) {
             return spoken(texts::options(p.cursor_, options_for(p.game_, p.cursor_)));
         }},
        {V::next_empty, for_catalog("Go to the next empty square"),
         [](Play& p, int, Typed) { return p.next_empty(true); }},
        {V::previous_empty, for_catalog("Go to the previous empty square"),
         [](Play& p, int, Typed) { return p.next_empty(false); }},
        {V::say_square, for_catalog("Say the square again"), [](Play& p, int, Typed) { return p.say_square(); }},
        {V::clashes, for_catalog("Say where the rule is broken"),
         [](Play& p, int, Typed) { return spoken(texts::clashes(rule_breaks(p.game_))); }},
        {V::why, for_catalog("Say why the last digit was refused"),
         [](Play& p, int, Typed) {
             if (p.given_unsaid_) {
                 return spoken(*p.given_unsaid_);
             }
             return spoken(texts::explanation(explain_refusal(p.game_, p.refusal_)));
         }},
        {V::go_to, for_catalog("Go to a square by its column and row"),
         [](Play& p, int, Typed typed) { return p.go_to(typed); }},
        {V::key_help, for_catalog("List the keys"),
         [](Play&, int, Typed) {
             Answer answer;
             answer.said.push_back({keys::help(), texts::keys_title()});
             return answer;
         }},
        {V::undo, for_catalog("Undo the last change"), [](Play& p, int, Typed) { return p.report(p.game_.undo()); }},
        {V::redo, for_catalog("Redo the change undone last"),
         [](Play& p, int, Typed) { return p.report(p.game_.redo()); }},
        {V::note, for_catalog("Add or remove the note %1$s"),
         [](Play& p, int n, Typed) { return p.report(p.game_.toggle_note(p.cursor_, n)); }},
        {V::fill_notes, for_catalog("Note every number each empty square can take"),
         [](Play& p, int, Typed) { return p.report(p.game_.fill_notes(p.cursor_)); }},
        {V::hint, for_catalog("Say the next step and why"), [](Play& p, int, Typed) { return p.hint(); }},
        {V::say_time, for_catalog("Say how long this game has been played"),
         [](Play& p, int, Typed) {
             const auto now = std::chrono::steady_clock::now();
             return spoken(texts::played(p.clock_.played(now).count()));
         }},
        {V::say_level, for_catalog("Say the level of the puzzle"),
         [](Play& p, int, Typed) { return p.say_level(); }},
        {V::zoom_in, for_catalog("Larger squares"), [](Play&, int, Typed) { return effect(Effect::zoom_in); }},
        {V::zoom_out, for_catalog("Smaller squares"), [](Play&, int, Typed) { return effect(Effect::zoom_out); }},
        {V::zoom_reset, for_catalog("Squares of the usual size"),
         [](Play&, int, Typed) { return effect(Effect::zoom_reset); }},
        {V::settings, for_catalog("Open the settings"),
         [](Play&, int, Typed) { return effect(Effect::settings); }},
        {V::copy_board, for_catalog("Copy the board as text"),
         [](Play&, int, Typed) { return effect(Effect::copy_board); }},
        // Silent: the number typed next is the one to find.
        {V::find_number, for_catalog("Say where the number typed next stands"),
         [](Play& p, int, Typed) {
             p.finding_ = true;
             return Answer{};
         }},
        {V::left_to_place, for_catalog("Say how many of each number are left to place"),
         [](Play& p, int, Typed) { return spoken(texts::left_to_place(left_to_place(p.game_))); }},
        {V::fullest_units, for_catalog("Say the rows, columns and boxes with the fewest empty squares"),
         [](Play& p, int, Typed) { return spoken(texts::fullest_units(fullest_units(p.game_))); }},
        {V::box_left, for_catalog("Move to the box on the left"),
         [](Play& p, int, Typed) { return p.box_arrow(-1, 0); }},
        {V::box_right, for_catalog("Move to the box on the right"),
         [](Play& p, int, Typed) { return p.box_arrow(1, 0); }},
        {V::box_up, for_catalog("Move to the box above"), [](Play& p, int, Typed) { return p.box_arrow(0, -1); }},
        {V::box_down, for_catalog("Move to the box below"),
         [](Play& p, int, Typed) { return p.box_arrow(0, 1); }},
        {V::check_numbers, for_catalog("Say how many of your numbers are wrong"),
         [](Play& p, int, Typed) { return p.check_numbers(); }},
        {V::rewind, for_catalog("Undo back to the last board without a wrong number"),
         [](Play& p, int, Typed) { return p.rewind(); }},
        {V::set_mark, for_catalog("Set a mark to come back to"),
         [](Play& p, int, Typed) {
             p.mark_ = p.game_.here();
             return spoken(texts::mark_set());
         }},
        {V::back_to_mark, for_catalog("Go back to the mark"), [](Play& p, int, Typed) { return p.back_to_mark(); }},
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
    if (std::optional<Answer> typing = type(command)) {
        return std::move(*typing);
    }
    // Any other key places the number typed before it, then does its own work.
    Answer ended = end_typing();
    if (ended.won) {
        return ended;
    }
    return joined(std::move(ended), entry(command.verb).run(*this, command.number, typed));
}

std::string describe(Command command) {
    return texts::tr_fill(Play::description(command.verb).data(), {std::to_string(command.number)});
}

}  // namespace sudoku
