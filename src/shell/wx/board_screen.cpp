// The board screen: the grid that shows the game and takes its keys.
#include <chrono>

#include <wx/grid.h>
#include <wx/panel.h>
#include <wx/sizer.h>

#include "board/texts.h"
#include "board/wx/board_view.h"
#include "dialogs/wx/accessible_name.h"
#include "shell/wx/mywin.h"
#include "shell/wx/wx_text.h"
#include "speech/speech.h"

void Mywin::run_game() {
    panel->Destroy();
    panel = new wxPanel(this);
    auto* sizer = new wxBoxSizer(wxVERTICAL);

    auto* game_grid = new wxGrid(panel, wxID_ANY);
    const sudoku::Board& board = session.play().game().board();
    const int side = static_cast<int>(board.size());
    game_grid->BeginBatch();
    game_grid->CreateGrid(side, side);
    game_grid->HideRowLabels();
    game_grid->HideColLabels();
    // Numbers reach the board only through the game's commands.
    game_grid->EnableEditing(false);
    game_grid->EndBatch();
    set_accessible_name(*game_grid, wx_text(sudoku::texts::game_board()));
    dress_board(*game_grid, session.play(), zoom);
    panel->SetBackgroundColour(game_grid->GetDefaultCellBackgroundColour());
    sizer->AddStretchSpacer();
    sizer->Add(game_grid, 0, wxALIGN_CENTER_HORIZONTAL);
    sizer->AddStretchSpacer();
    panel->SetSizer(sizer);
    game_grid->SetFocus();
    myGrid = game_grid;
    grid = game_grid;
    // Bound on the grid and its panel, so the bindings die with them and
    // never double up.
    grid->Bind(wxEVT_GRID_SELECT_CELL, &Mywin::OnCellChange, this);
    // The board back in focus with nothing new to say (a box cancelled, the
    // key help closed) tells the square under the cursor, not an old answer.
    sudoku::speech::on_focus_return(
        [this] { return sudoku::texts::announce(session.play().game(), session.play().cursor()); });
    showpanel(panel);
    panel->Bind(wxEVT_CHAR_HOOK, &Mywin::boardkey, this);
    follow_cursor();
    const auto now = std::chrono::steady_clock::now();
    const sudoku::Answer first = session.start(now);
    session.run_clock(IsActive(), now);
    show(first);
}

void Mywin::follow_cursor() {
    const sudoku::Square square = session.play().cursor();
    if (square != sudoku::Square{grid->GetGridCursorCol(), grid->GetGridCursorRow()}) {
        grid->GoToCell(square.y, square.x);
    }
}

void Mywin::OnCellChange(wxGridEvent& event) {
    event.Skip();
    const sudoku::Square to{event.GetCol(), event.GetRow()};
    const sudoku::Square from{grid->GetGridCursorCol(), grid->GetGridCursorRow()};
    // Following the play, the grid moves onto its cursor from another square;
    // every other move is the grid's own (a click, one of its keys).
    if (to != session.play().cursor() || to == from) {
        // A number typed on the square left is placed there first.
        if (session.play().typing()) {
            perform({sudoku::Verb::end_number});
        }
        show(session.moved_to(to));
    }
}
