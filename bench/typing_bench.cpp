// Keys pressed and the game's own utterances to place every number of a
// 16x16 and a 25x25 puzzle, the old way and typed straight on the board. The
// keys go through the board's key table and the play; moving between squares
// costs the same both ways and is left out. Prints figures, asserts nothing.
//
// Before: 1 to 9 by their digit key, placed at once; a larger number by the
// number box: Enter (the box says its prompt), its digits, Enter.
// After: the digits typed on the board; a number that could still grow is
// placed by the pause, which costs no key (the waits are counted apart).
// Utterances are the game's texts as its own voice says them, with the digit
// echo; a screen reader adds its own key echo and the box's window names.
#include <cstdio>
#include <string>

#include "board/keys.h"
#include "board/play.h"
#include "sudoku/sudoku.h"

namespace {

struct Cost {
    long keys = 0;
    long said = 0;
    long pauses = 0;
};

struct Run {
    sudoku::Play play;
    sudoku::Board solution;
};

Run puzzle(int box) {
    const sudoku::Sudoku made = sudoku::Sudoku(box, box).difficulty(0.5, 7);
    sudoku::Game game(made.board, made.board, {box, box}, 0.5);
    return {sudoku::Play(std::move(game)), made.solution()};
}

void press(sudoku::Play& play, sudoku::keys::Key key, Cost& cost) {
    ++cost.keys;
    cost.said += static_cast<long>(play.handle(*sudoku::keys::command_for(key)).said.size());
}

void place_before(sudoku::Play& play, int number, Cost& cost) {
    const std::string typed = std::to_string(number);
    if (number <= 9) {
        // Today's digit key placed it at once and said one word; the play's
        // own digit keys may wait now, so the number is stored as the box does.
        ++cost.keys;
        cost.said += static_cast<long>(play.handle({sudoku::Verb::type_number}, typed).said.size());
        return;
    }
    const sudoku::Answer asked = play.handle(*sudoku::keys::command_for({sudoku::keys::enter}));
    cost.keys += 1;
    cost.said += static_cast<long>(!asked.ask.empty());  // the box's prompt
    cost.keys += static_cast<long>(typed.size()) + 1;    // the digits, then Enter
    cost.said += static_cast<long>(play.handle({sudoku::Verb::type_number}, typed).said.size());
}

void place_after(sudoku::Play& play, int number, Cost& cost) {
    for (const char digit : std::to_string(number)) {
        press(play, {digit}, cost);
    }
    if (play.typing()) {
        ++cost.pauses;
        cost.said += static_cast<long>(play.handle({sudoku::Verb::end_number}).said.size());
    }
}

void measure(int box, const char* way, void (*place)(sudoku::Play&, int, Cost&)) {
    Run run = puzzle(box);
    const int n = box * box;
    Cost cost;
    long numbers = 0;
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            if (run.play.game().at({x, y})) {
                continue;
            }
            run.play.moved_to({x, y});
            place(run.play, *run.solution[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)],
                  cost);
            ++numbers;
        }
    }
    const bool solved = run.play.game().board() == run.solution;
    std::printf(
        "%dx%d %-6s numbers %5ld  keys %6ld (%.2f each)  utterances %6ld (%.2f each)"
        "  pauses %5ld  solved %s\n",
        n, n, way, numbers, cost.keys, static_cast<double>(cost.keys) / numbers, cost.said,
        static_cast<double>(cost.said) / numbers, cost.pauses, solved ? "yes" : "NO");
}

}  // namespace

int main() {
    for (const int box : {4, 5}) {
        measure(box, "before", place_before);
        measure(box, "after", place_after);
    }
}
