// Keys pressed and the game's own utterances to place every number of a
// 16x16 and a 25x25 puzzle, the old way and typed straight on the board. The
// keys go through the board's key table and the play; moving between squares
// costs the same both ways and is left out. Prints figures, asserts nothing.
//
// Before: 1 to 9 by their digit key, placed at once; a larger number by the
// number box: Enter (the box says its prompt), its digits, Enter.
// After: the digits typed on the board; a number that could still grow is
// placed by the pause, which costs no key (the waits are counted apart).
// Utterances with the own voice are the game's texts, its digit echo among
// them. Under a screen reader they are derived, not heard here: its echo of
// every key, the game's texts but its digit echo, and for each number box the
// three window names Orca says as it closes (the window's title twice, the
// board panel, as heard on a 16x16 board; the box's own name is its prompt).
#include <cstdio>
#include <string>

#include "board/keys.h"
#include "board/play.h"
#include "sudoku/sudoku.h"

namespace {

struct Cost {
    long keys = 0;
    long said = 0;
    long echoed = 0;  // of `said`: the digits the own voice says as typed
    long pauses = 0;
    long boxes = 0;
};

// Counts the answer's texts.
void hear(const sudoku::Answer& answer, Cost& cost) {
    for (const sudoku::texts::Feedback& words : answer.said) {
        ++cost.said;
        cost.echoed += words.echo ? 1 : 0;
    }
}

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
    hear(play.handle(*sudoku::keys::command_for(key)), cost);
}

void place_before(sudoku::Play& play, int number, Cost& cost) {
    const std::string typed = std::to_string(number);
    if (number <= 9) {
        // Today's digit key placed it at once and said one word; the play's
        // own digit keys may wait now, so the number is stored as the box does.
        ++cost.keys;
        hear(play.handle({sudoku::Verb::type_number}, typed), cost);
        return;
    }
    const sudoku::Answer asked = play.handle(*sudoku::keys::command_for({sudoku::keys::enter}));
    cost.keys += 1;
    cost.boxes += 1;
    cost.said += static_cast<long>(!asked.ask.empty());  // the box's prompt
    cost.keys += static_cast<long>(typed.size()) + 1;    // the digits, then Enter
    hear(play.handle({sudoku::Verb::type_number}, typed), cost);
}

void place_after(sudoku::Play& play, int number, Cost& cost) {
    for (const char digit : std::to_string(number)) {
        press(play, {digit}, cost);
    }
    if (play.typing()) {
        ++cost.pauses;
        hear(play.handle({sudoku::Verb::end_number}), cost);
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
    const long screen_reader = cost.keys + cost.said - cost.echoed + 3 * cost.boxes;
    const auto each = [numbers](long count) { return static_cast<double>(count) / numbers; };
    std::printf(
        "%dx%d %-6s numbers %4ld  keys %4ld (%.2f each)  heard: own voice %4ld (%.2f)"
        ", screen reader %4ld (%.2f)  pauses %3ld  solved %s\n",
        n, n, way, numbers, cost.keys, each(cost.keys), cost.said, each(cost.said), screen_reader,
        each(screen_reader), cost.pauses, solved ? "yes" : "NO");
}

}  // namespace

int main() {
    for (const int box : {4, 5}) {
        measure(box, "before", place_before);
        measure(box, "after", place_after);
    }
}
