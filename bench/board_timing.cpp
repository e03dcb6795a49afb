// How long the player waits on the largest board: from building the board
// screen to the first spoken square, one digit key's work, drawing the board,
// a cursor move and a digit until they are on screen, and from "Go!" in
// the new-game dialog to the first spoken square. Prints figures; asserts nothing.
//
//   board_timing [RUNS] [sizes]   "sizes" adds Go! for every box size at the
//                                 percentages that cost puzzle making most
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/grid.h>

#include "board/texts.h"
#include "dialogs/wx/size_dlg.h"
#include "gui_harness.h"
#include "shell/wx/wx_text.h"
#include "sudoku/sudoku.h"

namespace {

using Clock = std::chrono::steady_clock;

// Remembers when the first text after `arm` was spoken.
class Stopwatch : public sudoku::speech::Output {
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
        if (ms.empty()) {
            std::printf("%-58s no runs\n", what);
            return;
        }
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

// When the file chooser got the Enter key press: the clock starts there, not
// when the key simulator sent it, so only the game's own work is timed.
std::optional<Clock::time_point> enter_arrived;

// "event" comes before "key-press-event", whose handlers may stop it.
gboolean note_enter(GtkWidget*, GdkEvent* event, gpointer) {
    if (event->type == GDK_KEY_PRESS && event->key.keyval == GDK_KEY_Return) {
        enter_arrived = Clock::now();
    }
    return FALSE;
}

// Types the name, then presses Enter from another process and returns at
// once: the key simulator waits after each key, which would be timed as well.
void type_then_enter(const std::string& name, const std::function<void()>& before_enter) {
    wxUIActionSimulator().Text(name.c_str());
    gui_test::settle();
    before_enter();
    if (std::system("xdotool key --clearmodifiers Return &") != 0) {
        std::fprintf(stderr, "board_timing: xdotool could not press Enter\n");
    }
}

int run(int runs, bool every_size) {
    auto watch = std::make_shared<Stopwatch>();
    sudoku::speech::set_backend(watch);
    auto* window = new Mywin(nullptr, wx_text(sudoku::texts::window_title()));
    gui_test::pump_until([&] { return window->IsActive(); });

    // Puts a fresh 81x81 puzzle, half empty, into the window's game.
    const auto hold_puzzle = [window](int seed) {
        auto puzzle = sudoku::Sudoku(9, 9).difficulty(0.5, static_cast<std::uint64_t>(seed));
        window->session.take(sudoku::Play(sudoku::Game(puzzle.board, puzzle.board, {9, 9}, 0.5)));
        return puzzle;
    };

    Figures build;
    Figures digit;
    Figures paint;
    Figures move;
    Figures digit_shown;
    // Update() paints at once what is waiting; the count shows it did.
    int paints = 0;
    const auto shown = [&](Figures& figures, const std::function<void()>& act) {
        const int before = paints;
        const auto start = Clock::now();
        act();
        // What the board deferred until after the event (CallAfter) is drawn too.
        wxTheApp->ProcessPendingEvents();
        window->Update();
        figures.add(start, Clock::now());
        if (paints == before) {
            std::fprintf(stderr, "board_timing: nothing was painted\n");
        }
    };
    for (int i = 0; i < runs; ++i) {
        const auto puzzle = hold_puzzle(i);
        watch->arm();
        const auto start = Clock::now();
        window->run_game();
        if (watch->heard()) {
            build.add(start, *watch->heard());
        }
        gui_test::settle();
        wxGrid* grid = window->grid;
        grid->GetGridWindow()->Bind(wxEVT_PAINT, [&](wxPaintEvent& event) {
            ++paints;
            event.Skip();
        });
        // Until the window manager has made the window full screen, GTK holds
        // its drawing back; once it has drawn, Update() draws at once.
        const int drawn = paints;
        grid->Refresh();
        gui_test::pump_until([&] { return paints > drawn; });
        gui_test::settle();
        // Every square in view drawn again, as after a zoom or an uncovered window.
        shown(paint, [grid] { grid->ForceRefresh(); });
        // An arrow key: the cursor moves, the square is spoken, what changed is drawn.
        for (int step = 0; step < 5; ++step) {
            shown(move, [grid] { grid->MoveCursorRight(false); });
        }
        // One digit key's work on an empty square: rule check, grid, completion check.
        for (int x = 0; x < 81; ++x) {
            const auto& column = puzzle.board[static_cast<std::size_t>(x)];
            const auto y = std::find(column.begin(), column.end(), std::nullopt) - column.begin();
            if (y < 81) {
                window->grid->SetGridCursor(static_cast<int>(y), x);
                const auto right =
                    *puzzle.solution()[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
                const auto before = Clock::now();
                window->perform({sudoku::Verb::place, static_cast<int>(right)});
                digit.add(before, Clock::now());
                window->perform({sudoku::Verb::clear});
                window->Update();
                shown(digit_shown, [&] {
                    window->perform({sudoku::Verb::place, static_cast<int>(right)});
                });
                window->perform({sudoku::Verb::clear});
                if (digit.ms.size() >= static_cast<std::size_t>(runs) * 5) {
                    break;
                }
            }
        }
        window->gohome();
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
            window->gohome();
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
    // Saving and loading an 81x81 game by keys: from Enter in the file dialog
    // to "Game saved.", and to the first square of the loaded game.
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("board-timing-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path working = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    Figures save;
    Figures load;
    for (int i = 0; i < runs; ++i) {
        hold_puzzle(i);
        window->run_game();
        gui_test::settle();
        const std::string name = "timed" + std::to_string(i);
        const auto start_clock = [&] {
            // A person pauses before Enter; the chooser finishes its own work meanwhile.
            gui_test::pump_until([] { return false; }, std::chrono::seconds(1));
            g_signal_connect(gui_test::shown_file_chooser(), "event", G_CALLBACK(note_enter),
                             nullptr);
            watch->arm();
            enter_arrived.reset();
        };
        gui_test::when_file_dialog_shows([&] { type_then_enter(name, start_clock); });
        window->savegame();
        if (watch->heard() && enter_arrived) {
            save.add(*enter_arrived, *watch->heard());
        }
        window->gohome();
        gui_test::settle();
        gui_test::when_file_dialog_shows([&] { type_then_enter(name + ".sudoku", start_clock); });
        window->loadgame();
        if (watch->heard() && enter_arrived) {
            load.add(*enter_arrived, *watch->heard());
        }
        window->gohome();
        gui_test::settle();
    }
    std::filesystem::current_path(working);
    std::filesystem::remove_all(folder);

    window->Destroy();
    gui_test::settle();

    build.print("81x81 board: run_game to the first spoken square");
    digit.print("81x81 board: one digit command (rule + completion check)");
    paint.print("81x81 board: drawing every square in view");
    move.print("81x81 board: one cursor move, spoken and drawn");
    digit_shown.print("81x81 board: one digit command and its drawing");
    go.print("9x9 boxes, 90 percent: Go! to the first spoken square");
    save.print("81x81 game: Enter in the save dialog to \"Game saved.\"");
    load.print("81x81 game: Enter in the load dialog to the first square");
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
