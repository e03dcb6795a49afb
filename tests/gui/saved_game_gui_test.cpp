// Saving and loading through the real file dialogs, answered by the test.
#include <sys/mount.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <wx/dataview.h>
#include <wx/grid.h>

#include "dialogs/wx/menu_list.h"
#include "gui_harness.h"
#include "lifecycle/game_file.h"
#include "lifecycle/saved_game.h"
#include "scratch.h"
#include "sudoku/sudoku.h"

namespace gui_test {
namespace {

namespace fs = std::filesystem;
using sudoku::Board;

std::string read(const fs::path& path) {
    return sudoku::read_file_limited(path.string(), 1 << 20).value_or("<missing>");
}

void write(const fs::path& path, const std::string& text) {
    std::ofstream(path) << text;
}

class SavedGames : public GuiTest {
  protected:
    void start_nine() { start_game(nine.board, nine.board, {3, 3}); }

    // Fills the first empty square with its right digit, by key.
    void play_one_digit() {
        for (int x = 0; x < 9; ++x) {
            for (int y = 0; y < 9; ++y) {
                if (!nine.board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]) {
                    window->grid->SetGridCursor(y, x);
                    const auto digit =
                        *nine.solution()[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
                    ASSERT_NE(press_and_hear('0' + static_cast<int>(digit)), "Invalid number.");
                    return;
                }
            }
        }
    }

    const sudoku::Sudoku nine = sudoku::Sudoku(3, 3).difficulty(0.5, 7);

    void save_as(const fs::path& path) {
        wxTEST_DIALOG(press('s', wxMOD_CONTROL), wxExpectModal<wxFileDialog>(path.string()));
    }

    // From the board: back to the menu, then "Load Game." by keys.
    // Down the menu to "Load Game.", which follows "New Game.", "Daily
    // Puzzle." and, while a game is kept, "Continue Game.".
    void to_load_game() {
        const int load = window->session.kept() ? 3 : 2;
        for (int row = 0; row < load; ++row) {
            press(WXK_DOWN);
        }
        ASSERT_TRUE(pump_until([&] { return current_row(*window->items) == load; }));
    }

    void load_from_menu(const fs::path& path) {
        if (window->grid != nullptr) {
            press(WXK_ESCAPE);
            ASSERT_TRUE(pump_until([this] { return window->grid == nullptr; }));
        }
        ASSERT_TRUE(pump_until([this] { return window->items->HasFocus(); }));
        to_load_game();
        wxTEST_DIALOG(press(WXK_RETURN), wxExpectModal<wxFileDialog>(path.string()));
    }

    void expect_refused_load(const fs::path& path) {
        const sudoku::SavedGame before{
            window->session.play().game().board(), window->session.play().game().original(),
            window->session.play().game().difficulty(), window->session.play().game().size()};
        wxPanel* menu = window->panel;
        spoken->clear();
        to_load_game();
        wxTEST_DIALOG(press(WXK_RETURN), wxExpectModal<wxFileDialog>(path.string()),
                      ExpectMessage("I was unable to load your game.", "Oops."));
        EXPECT_EQ(window->panel, menu) << path;
        EXPECT_EQ(window->grid, nullptr);
        EXPECT_TRUE(pump_until([this] { return window->items->HasFocus(); }));
        EXPECT_EQ(
            (sudoku::SavedGame{
                window->session.play().game().board(), window->session.play().game().original(),
                window->session.play().game().difficulty(), window->session.play().game().size()}),
            before);
        EXPECT_TRUE(spoken->texts().empty());
        for (int row = current_row(*window->items); row > 0; --row) {
            press(WXK_UP);
        }
        ASSERT_TRUE(pump_until([this] { return current_row(*window->items) == 0; }));
    }

    // What the player hears on every square, row by row.
    std::vector<std::string> hear_every_square() {
        std::vector<std::string> heard;
        const int n = window->grid->GetNumberRows();
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < n; ++x) {
                spoken->clear();
                window->grid->SetGridCursor(y, x);
                if (!spoken->texts().empty()) {
                    heard.push_back(spoken->last());
                }
            }
        }
        return heard;
    }

    // The saved game in the file, but for the time played, which runs with the test.
    static sudoku::SavedGame on_disk(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        sudoku::SavedGame game = sudoku::decode_saved_game(text).value_or(sudoku::SavedGame{});
        game.elapsed = 0;
        return game;
    }

    test_support::ScratchFolder scratch;
    const fs::path& folder = scratch.path();
};

TEST_F(SavedGames, ANineByNineGameRoundTripsExactly) {
    start_nine();
    play_one_digit();
    ASSERT_NE(window->session.play().game().board(), window->session.play().game().original());
    const fs::path path = folder / "nine.sudoku";
    spoken->clear();
    save_as(path);
    EXPECT_EQ(spoken->texts(), std::vector<std::string>{"Game saved."});
    const sudoku::SavedGame saved{
        window->session.play().game().board(), window->session.play().game().original(),
        window->session.play().game().difficulty(), window->session.play().game().size()};
    EXPECT_EQ(on_disk(path), saved);
    const auto heard_before = hear_every_square();
    ASSERT_EQ(heard_before.size(), 81u);

    const auto other = sudoku::Sudoku(2, 2).difficulty(0.3, 1);
    press(WXK_ESCAPE);
    ASSERT_TRUE(pump_until([this] { return window->grid == nullptr; }));
    start_game(other.board, other.board, {2, 2});
    load_from_menu(path);
    ASSERT_NE(window->grid, nullptr);
    EXPECT_EQ(
        (sudoku::SavedGame{
            window->session.play().game().board(), window->session.play().game().original(),
            window->session.play().game().difficulty(), window->session.play().game().size()}),
        saved);
    EXPECT_EQ(window->grid->GetGridCursorRow(), 0);
    EXPECT_EQ(hear_every_square(), heard_before);

    wxTEST_DIALOG(press('s', wxMOD_CONTROL), wxExpectModal<wxFileDialog>(path.string()),
                  ExpectMessage("nine.sudoku already exists. Do you want to replace it?",
                                "Replace file?", wxID_YES));
    EXPECT_EQ(on_disk(path), saved) << "the same game again";
}

TEST_F(SavedGames, CancellingEitherDialogChangesNothingAndSaysNothing) {
    start_nine();
    spoken->clear();
    wxTEST_DIALOG(press('s', wxMOD_CONTROL), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    EXPECT_TRUE(spoken->texts().empty());
    EXPECT_TRUE(fs::is_empty(folder));
    ASSERT_NE(window->grid, nullptr);
    EXPECT_EQ(press_and_hear(WXK_RIGHT).rfind("2 1: ", 0), 0u) << "the board keeps working";

    press(WXK_ESCAPE);
    ASSERT_TRUE(pump_until([this] { return window->grid == nullptr; }));
    wxPanel* menu = window->panel;
    spoken->clear();
    to_load_game();
    wxTEST_DIALOG(press(WXK_RETURN), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    EXPECT_EQ(window->panel, menu);
    EXPECT_TRUE(spoken->texts().empty());
}

TEST_F(SavedGames, ANameWithoutTheEndingGetsItAndReplacingIsAsked) {
    start_nine();
    save_as(folder / "bare");
    EXPECT_FALSE(fs::exists(folder / "bare"));
    ASSERT_TRUE(fs::exists(folder / "bare.sudoku"));

    write(folder / "bare.sudoku", "old");
    spoken->clear();
    wxTEST_DIALOG(press('s', wxMOD_CONTROL),
                  wxExpectModal<wxFileDialog>((folder / "bare").string()),
                  ExpectMessage("bare.sudoku already exists. Do you want to replace it?",
                                "Replace file?", wxID_NO));
    EXPECT_EQ(read(folder / "bare.sudoku"), "old");
    EXPECT_TRUE(spoken->texts().empty());

    wxTEST_DIALOG(press('s', wxMOD_CONTROL),
                  wxExpectModal<wxFileDialog>((folder / "bare").string()),
                  ExpectMessage("bare.sudoku already exists. Do you want to replace it?",
                                "Replace file?", wxID_YES));
    EXPECT_EQ(spoken->texts(), std::vector<std::string>{"Game saved."});
    EXPECT_NE(read(folder / "bare.sudoku"), "old");
}

TEST_F(SavedGames, OtherLayoutsOfTheSameGameLoad) {
    const std::string reordered =
        "{\n  \"size\": [2, 2],\n  \"note\": {\"by\": \"hand\"},\n  \"difficulty\": 0.5,\n"
        "  \"original\": [[1, null, 2, null], [null, null, null, 3], [3, null, 4, null], "
        "[null, 2, null, 1]],\n"
        "  \"board\": [[1, null, 2, null],\n [null, 4, null, 3], [3, null, 4, null], [null, 2, "
        "null, 1]]\n}\n";
    write(folder / "hand.sudoku", reordered);
    load_from_menu(folder / "hand.sudoku");
    ASSERT_NE(window->grid, nullptr);
    EXPECT_EQ(window->session.play().game().board()[1][1], 4);
    EXPECT_EQ(window->session.play().game().original()[1][1], std::nullopt);
    EXPECT_EQ(window->session.play().game().size(), (sudoku::BoxSize{2, 2}));
    EXPECT_EQ(spoken->last(), "1 1: 1");
}

// The player types a whole path into the file chooser and presses Enter.
void type_into_file_dialog(const fs::path& path) {
    when_file_dialog_shows([path] { type_and_enter(path.string()); });
}

TEST_F(SavedGames, ATypedFullPathIsWhereTheGameIsSavedAndLoadedFrom) {
    // The chooser opens on the working folder; the typed path leads elsewhere,
    // and a different game of the same name waits in the working folder.
    const fs::path shown = folder / "shown";
    const fs::path elsewhere = folder / "elsewhere";
    fs::create_directories(shown);
    fs::create_directories(elsewhere);
    const fs::path working = fs::current_path();
    fs::current_path(shown);
    const auto decoy = sudoku::Sudoku(2, 2).difficulty(0.5, 4);
    write(shown / "mygame.sudoku",
          sudoku::encode_saved_game({decoy.board, decoy.board, 0.5, {2, 2}}));

    start_nine();
    play_one_digit();
    const sudoku::SavedGame played{
        window->session.play().game().board(), window->session.play().game().original(),
        window->session.play().game().difficulty(), window->session.play().game().size()};
    spoken->clear();
    type_into_file_dialog(elsewhere / "mygame");
    press('s', wxMOD_CONTROL);
    EXPECT_TRUE(wait_for_speech(1));
    EXPECT_EQ(spoken->texts(), std::vector<std::string>{"Game saved."});
    EXPECT_EQ(on_disk(elsewhere / "mygame.sudoku"), played);

    press(WXK_ESCAPE);
    ASSERT_TRUE(pump_until([this] { return window->grid == nullptr; }));
    ASSERT_TRUE(pump_until([this] { return window->items->HasFocus(); }));
    to_load_game();
    type_into_file_dialog(elsewhere / "mygame.sudoku");
    press(WXK_RETURN);
    EXPECT_TRUE(pump_until([this] { return window->grid != nullptr; }));
    fs::current_path(working);
    EXPECT_EQ(
        (sudoku::SavedGame{
            window->session.play().game().board(), window->session.play().game().original(),
            window->session.play().game().difficulty(), window->session.play().game().size()}),
        played);
}

TEST_F(SavedGames, ANameWhoseSavedFormIsAFolderFailsAtOnce) {
    fs::create_directories(folder / "games.sudoku");
    start_nine();
    spoken->clear();
    wxTEST_DIALOG(press('s', wxMOD_CONTROL),
                  wxExpectModal<wxFileDialog>((folder / "games").string()),
                  ExpectMessage("I could not save your game!", "Uh oh!"));
    EXPECT_TRUE(fs::is_directory(folder / "games.sudoku"));
    EXPECT_TRUE(spoken->texts().empty());
}

TEST_F(SavedGames, BrokenFilesAreRefusedAndTheMenuStays) {
    write(folder / "text.sudoku", "this is not a saved game");
    // The given 1 of the first square is missing from the board.
    write(folder / "given.sudoku",
          R"({"board": [[null, null, 2, null], [null, 4, null, 3], [3, null, 4, null], )"
          R"([null, 2, null, 1]], "original": [[1, null, 2, null], [null, null, null, 3], )"
          R"([3, null, 4, null], [null, 2, null, 1]], "difficulty": 0.5, "size": [2, 2]})");
    ASSERT_EQ(::mkfifo((folder / "pipe.sudoku").c_str(), 0600), 0);
    fs::create_directories(folder / "folder.sudoku");
    write(folder / "nosize.sudoku", R"({"board": [[1]], "original": [[1]], "difficulty": 0.5})");
    write(
        folder / "shape.sudoku",
        R"({"board": [[1, 2], [2]], "original": [[1, 2], [2, 1]], "difficulty": 0.5, "size": [1, 2]})");
    for (const char* name : {"text.sudoku", "nosize.sudoku", "shape.sudoku", "missing.sudoku",
                             "given.sudoku", "pipe.sudoku", "folder.sudoku"}) {
        expect_refused_load(folder / name);
    }
}

TEST_F(SavedGames, AFailedSaveShowsUhOhAndKeepsTheOldFile) {
    const fs::path disk = folder / "disk";
    test_support::SmallTmpfs small(disk);
    if (!small.mounted()) {
        GTEST_SKIP() << "mounting a tmpfs needs root";
    }
    write(disk / "old.sudoku", "old game");
    const auto replace_old = [] {
        return ExpectMessage("old.sudoku already exists. Do you want to replace it?",
                             "Replace file?", wxID_YES);
    };
    // Fill the disk so a 81x81 game cannot fit.
    write(disk / "filler", std::string(60 * 1024, 'x'));
    const auto big = sudoku::Sudoku(9, 9).difficulty(0.5, 3);
    start_game(big.board, big.board, {9, 9});
    spoken->clear();
    wxTEST_DIALOG(press('s', wxMOD_CONTROL),
                  wxExpectModal<wxFileDialog>((disk / "old.sudoku").string()), replace_old(),
                  ExpectMessage("I could not save your game!", "Uh oh!"));
    EXPECT_EQ(read(disk / "old.sudoku"), "old game");
    EXPECT_TRUE(spoken->texts().empty());

    fs::remove(disk / "filler");
    ASSERT_TRUE(small.make_read_only());
    wxTEST_DIALOG(press('s', wxMOD_CONTROL),
                  wxExpectModal<wxFileDialog>((disk / "old.sudoku").string()), replace_old(),
                  ExpectMessage("I could not save your game!", "Uh oh!"));
    EXPECT_EQ(read(disk / "old.sudoku"), "old game");
    EXPECT_TRUE(spoken->texts().empty());
    EXPECT_EQ(press_and_hear(WXK_RIGHT).rfind("2 1: ", 0), 0u) << "the board keeps working";
}

}  // namespace
}  // namespace gui_test
