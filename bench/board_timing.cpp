// How long the player waits on the largest board: from building the board
// screen to the first spoken square, one digit key's work, and from "Go!" in
// the new-game dialog to the first spoken square. Prints figures; asserts nothing.
//
//   board_timing [RUNS] [sizes]   "sizes" adds Go! for every box size at the
//                                 percentages that cost puzzle making most
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <wx/grid.h>

#include "board/texts.h"
#include "dialogs/size_dlg.h"
#include "gui_harness.h"
#include "lifecycle/sudoku.h"
#include "shell/wx_text.h"

namespace {

using Clock = std::chrono::steady_clock;

// Remembers when the first text after `arm` was spoken.
class Stopwatch : public speech::Output {
  public:
    void arm() { heard_.reset(); }
    void speak(const std::string&, bool) override {
        if (!heard_) {
            heard_ = Clock::now();
        }
    }
    std::optional<Clock::time_point> heard() const { return heard_; }

  private:
    std::optional<Clock::time_point> heard_;
};

struct Figures {
    std::vector<double> ms;
    void add(Clock::time_point from, Clock::time_point to) {
        ms.push_back(std::chrono::duration<double, std::milli>(to - from).count());
    }
    void print(const char* what) const {
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        double sum = 0;
        for (double m : sorted) {
            sum += m;
        }
        std::printf("%-58s runs %3zu  median %8.3f ms  mean %8.3f ms  max %8.3f ms\n", what,
                    sorted.size(), sorted[sorted.size() / 2],
                    sum / static_cast<double>(sorted.size()), sorted.back());
    }
};

int run(int runs, bool every_size) {
    auto watch = std::make_shared<Stopwatch>();
    speech::set_backend(watch);
    auto* window = new Mywin(nullptr, wx_text(texts::window_title));
    gui_test::pump_until([&] { return window->IsActive(); });
    wxCommandEvent none;

    Figures build;
    Figures digit;
    for (int i = 0; i < runs; ++i) {
        const auto puzzle = sudoku::Sudoku(9, 9).difficulty(0.5, static_cast<std::uint64_t>(i));
        window->board = puzzle.board;
        window->original = puzzle.board;
        window->size = {9, 9};
        watch->arm();
        const auto start = Clock::now();
        window->run_game();
        if (watch->heard()) {
            build.add(start, *watch->heard());
        }
        gui_test::settle();
        // One digit key's work on an empty square: rule check, grid, completion check.
        for (int x = 0; x < 81; ++x) {
            const auto& column = puzzle.board[static_cast<std::size_t>(x)];
            const auto y = std::find(column.begin(), column.end(), std::nullopt) - column.begin();
            if (y < 81) {
                window->grid->SetGridCursor(static_cast<int>(y), x);
                const auto right =
                    *puzzle.solution()[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
                const auto before = Clock::now();
                window->digit(static_cast<int>(right));
                digit.add(before, Clock::now());
                window->backspace(none);
                if (digit.ms.size() >= static_cast<std::size_t>(runs) * 5) {
                    break;
                }
            }
        }
        window->gohome(none);
        gui_test::settle();
    }

    // Go! with the cursor `box_downs` items down the size list (boxes 2x2 and
    // up) and `percent_downs` down the difficulty list (10 percent and up).
    const auto time_go = [&](int box_downs, int percent_downs) {
        Figures go;
        for (int i = 0; i < runs; ++i) {
            Clock::time_point pressed;
            gui_test::when_dialog_shows([&](wxDialog&) {
                wxUIActionSimulator keys;
                for (int d = 0; d < box_downs; ++d) {
                    keys.Char(WXK_DOWN);
                }
                keys.Char(WXK_TAB);
                for (int d = 0; d < percent_downs; ++d) {
                    keys.Char(WXK_DOWN);
                }
                keys.Char(WXK_TAB);
                gui_test::settle();
                watch->arm();
                pressed = Clock::now();
                keys.Char(WXK_SPACE);
            });
            window->new_game();
            if (watch->heard()) {
                go.add(pressed, *watch->heard());
            }
            window->gohome(none);
            gui_test::settle();
        }
        return go;
    };
    const Figures go = time_go(7, 8);
    // Every size at the percentages where making a unique puzzle works hardest.
    std::vector<std::pair<std::string, Figures>> sizes;
    if (every_size) {
        for (int side = 2; side <= 9; ++side) {
            for (const int percent : {50, 60, 70, 90}) {
                const std::string what = std::to_string(side) + "x" + std::to_string(side) +
                                         " boxes, " + std::to_string(percent) +
                                         " percent: Go! to the first spoken square";
                sizes.emplace_back(what, time_go(side - 2, percent / 10 - 1));
            }
        }
    }
    window->Destroy();
    gui_test::settle();

    build.print("81x81 board: run_game to the first spoken square");
    digit.print("81x81 board: one digit command (rule + completion check)");
    go.print("9x9 boxes, 90 percent: Go! to the first spoken square");
    for (const auto& [what, figures] : sizes) {
        figures.print(what.c_str());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const bool every_size = argc > 2 && std::string(argv[2]) == "sizes";
    return gui_test::run_with_app(argc, argv, [=] { return run(runs, every_size); });
}
