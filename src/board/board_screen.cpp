#include <array>
#include <vector>

#include <wx/grid.h>
#include <wx/panel.h>
#include <wx/sizer.h>

#include "board/texts.h"
#include "dialogs/accessible_name.h"
#include "shell/mywin.h"
#include "shell/wx_text.h"

void Mywin::run_game() {
    panel->Destroy();
    panel = new wxPanel(this);
    panel->SetBackgroundColour(*wxWHITE);
    auto* sizer = new wxBoxSizer(wxVERTICAL);

    auto* game_grid = new wxGrid(panel, wxID_ANY);
    const sudoku::Board& board = game.board();
    const int columns = static_cast<int>(board.size());
    const int rows = static_cast<int>(board.at(0).size());
    game_grid->BeginBatch();
    game_grid->CreateGrid(rows, columns);
    game_grid->HideRowLabels();
    game_grid->HideColLabels();
    // Numbers reach the board only through the game's commands.
    game_grid->EnableEditing(false);
    for (int x = 0; x < columns; ++x) {
        const sudoku::Column& column = board[static_cast<std::size_t>(x)];
        for (int y = 0; y < static_cast<int>(column.size()); ++y) {
            if (const sudoku::Cell& cell = column[static_cast<std::size_t>(y)]) {
                game_grid->SetCellValue(y, x, cell_text(cell));
            }
        }
    }
    game_grid->EndBatch();
    set_accessible_name(*game_grid, wx_text(texts::game_board));
    sizer->Add(game_grid);
    panel->SetSizer(sizer);
    game_grid->SetFocus();
    myGrid = game_grid;
    grid = game_grid;
    // Bound on the grid, so the binding dies with it and never doubles up.
    grid->Bind(wxEVT_GRID_SELECT_CELL, &Mywin::OnCellChange, this);
    showpanel(panel);
    install_board_keys();
    grid->SetGridCursor(0, 0);
}

namespace {

// Fresh identifiers for one board screen, taken in the order save, one to
// nine, customval, backspace, goback, numb.
struct BoardIds {
    int save = wxWindow::NewControlId();
    std::array<int, 9> digits = [] {
        std::array<int, 9> ids{};
        for (int& id : ids) {
            id = wxWindow::NewControlId();
        }
        return ids;
    }();
    int customval = wxWindow::NewControlId();
    int backspace = wxWindow::NewControlId();
    int goback = wxWindow::NewControlId();
    int numb = wxWindow::NewControlId();
    // The keypad's arrows, Home and End when NumLock is off.
    std::array<int, 6> keypad_moves = [] {
        std::array<int, 6> ids{};
        for (int& id : ids) {
            id = wxWindow::NewControlId();
        }
        return ids;
    }();
};

// What the grid does for the main key of each keypad move.
struct KeypadMove {
    int key;
    void (*move)(wxGrid&);
};

const std::array<KeypadMove, 6> keypad_moves = {{
    {WXK_NUMPAD_LEFT, [](wxGrid& g) { g.MoveCursorLeft(false); }},
    {WXK_NUMPAD_RIGHT, [](wxGrid& g) { g.MoveCursorRight(false); }},
    {WXK_NUMPAD_UP, [](wxGrid& g) { g.MoveCursorUp(false); }},
    {WXK_NUMPAD_DOWN, [](wxGrid& g) { g.MoveCursorDown(false); }},
    {WXK_NUMPAD_HOME, [](wxGrid& g) { g.GoToCell(g.GetGridCursorRow(), 0); }},
    {WXK_NUMPAD_END, [](wxGrid& g) { g.GoToCell(g.GetGridCursorRow(), g.GetNumberCols() - 1); }},
}};

}  // namespace

void Mywin::install_board_keys() {
    const BoardIds ids;
    commands_.clear();
    commands_[ids.goback] = [this](wxCommandEvent& e) { gohome(e); };
    commands_[ids.save] = [this](wxCommandEvent& e) { savegame(e); };
    for (int number = 1; number <= 9; ++number) {
        commands_[ids.digits[static_cast<std::size_t>(number - 1)]] =
            [this, number](wxCommandEvent&) { digit(number); };
    }
    commands_[ids.backspace] = [this](wxCommandEvent& e) { backspace(e); };
    commands_[ids.numb] = [this](wxCommandEvent& e) { numb(e); };
    commands_[ids.customval] = [this](wxCommandEvent& e) { customval(e); };
    for (std::size_t i = 0; i < keypad_moves.size(); ++i) {
        commands_[ids.keypad_moves[i]] = [this, i](wxCommandEvent&) {
            keypad_moves[i].move(*grid);
        };
    }

    std::vector<wxAcceleratorEntry> entries = {
        {wxACCEL_CTRL, 's', ids.save},
        {wxACCEL_CTRL, 'E', ids.goback},
        {wxACCEL_NORMAL, WXK_ESCAPE, ids.goback},
    };
    for (int number = 1; number <= 9; ++number) {
        entries.emplace_back(wxACCEL_NORMAL, '0' + number,
                             ids.digits[static_cast<std::size_t>(number - 1)]);
    }
    entries.emplace_back(wxACCEL_NORMAL, WXK_BACK, ids.backspace);
    entries.emplace_back(wxACCEL_NORMAL, WXK_DELETE, ids.backspace);
    entries.emplace_back(wxACCEL_NORMAL, 'n', ids.numb);
    entries.emplace_back(wxACCEL_NORMAL, WXK_RETURN, ids.customval);
    // Many players type on the keypad: with NumLock on its digits, Enter and
    // Delete (the decimal key) act as the main ones, with NumLock off its
    // arrows, Home and End move as the main ones do.
    for (int number = 1; number <= 9; ++number) {
        entries.emplace_back(wxACCEL_NORMAL, WXK_NUMPAD0 + number,
                             ids.digits[static_cast<std::size_t>(number - 1)]);
    }
    entries.emplace_back(wxACCEL_NORMAL, WXK_NUMPAD_ENTER, ids.customval);
    entries.emplace_back(wxACCEL_NORMAL, WXK_NUMPAD_DELETE, ids.backspace);
    entries.emplace_back(wxACCEL_NORMAL, WXK_NUMPAD_DECIMAL, ids.backspace);
    for (std::size_t i = 0; i < keypad_moves.size(); ++i) {
        entries.emplace_back(wxACCEL_NORMAL, keypad_moves[i].key, ids.keypad_moves[i]);
    }
    accel_tbl = wxAcceleratorTable(static_cast<int>(entries.size()), entries.data());
    SetAcceleratorTable(accel_tbl);
}
