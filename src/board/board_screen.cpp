#include <wx/grid.h>
#include <wx/panel.h>
#include <wx/sizer.h>

#include "board/board_keys.h"
#include "board/board_view.h"
#include "board/texts.h"
#include "dialogs/accessible_name.h"
#include "dialogs/speech.h"
#include "shell/mywin.h"
#include "shell/wx_text.h"

void Mywin::run_game() {
    panel->Destroy();
    panel = new wxPanel(this);
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
    dress_board(*game_grid, game, zoom);
    panel->SetBackgroundColour(game_grid->GetDefaultCellBackgroundColour());
    sizer->AddStretchSpacer();
    sizer->Add(game_grid, 0, wxALIGN_CENTER_HORIZONTAL);
    sizer->AddStretchSpacer();
    panel->SetSizer(sizer);
    game_grid->SetFocus();
    myGrid = game_grid;
    grid = game_grid;
    // Bound on the grid, so the binding dies with it and never doubles up.
    grid->Bind(wxEVT_GRID_SELECT_CELL, &Mywin::OnCellChange, this);
    // The board back in focus with nothing new to say (a box cancelled, the
    // key help closed) tells the square under the cursor, not an old answer.
    speech::on_focus_return([this] { return texts::announce(game, cursor()); });
    showpanel(panel);
    // The keys belong to the board's panel: they and their binding die with it,
    // and the same fixed identifiers serve every board.
    accel_tbl = accelerators(board_keys());
    panel->SetAcceleratorTable(accel_tbl);
    panel->Bind(wxEVT_MENU, &Mywin::on_board_command, this, first_command_id, last_command_id());
    grid->SetGridCursor(0, 0);
}

void Mywin::on_board_command(wxCommandEvent& event) {
    using C = BoardCommand;
    const C command = command_of(event.GetId());
    switch (command) {
        case C::save:
            savegame(event);
            break;
        case C::goback:
            gohome(event);
            break;
        case C::one:
        case C::two:
        case C::three:
        case C::four:
        case C::five:
        case C::six:
        case C::seven:
        case C::eight:
        case C::nine:
            digit(1 + static_cast<int>(command) - static_cast<int>(C::one));
            break;
        case C::customval:
            customval(event);
            break;
        case C::backspace:
            backspace(event);
            break;
        case C::numb:
            numb(event);
            break;
        case C::left:
            arrow(-1, 0);
            break;
        case C::right:
            arrow(1, 0);
            break;
        case C::up:
            arrow(0, -1);
            break;
        case C::down:
            arrow(0, 1);
            break;
        case C::row_start:
            grid->GoToCell(grid->GetGridCursorRow(), 0);
            break;
        case C::row_end:
            grid->GoToCell(grid->GetGridCursorRow(), grid->GetNumberCols() - 1);
            break;
        case C::read_row:
            readgroup(sudoku::Unit::row);
            break;
        case C::read_column:
            readgroup(sudoku::Unit::column);
            break;
        case C::read_box:
            readgroup(sudoku::Unit::box);
            break;
        case C::missing:
            missing();
            break;
        case C::options:
            options();
            break;
        case C::next_empty:
            nextempty(true);
            break;
        case C::previous_empty:
            nextempty(false);
            break;
        case C::say_square:
            sayagain();
            break;
        case C::clashes:
            clashes();
            break;
        case C::why:
            why();
            break;
        case C::go_to:
            gotosquare();
            break;
        case C::key_help:
            keyhelp();
            break;
        case C::undo:
            report(game.undo(), cursor());
            break;
        case C::redo:
            report(game.redo(), cursor());
            break;
        case C::note_one:
        case C::note_two:
        case C::note_three:
        case C::note_four:
        case C::note_five:
        case C::note_six:
        case C::note_seven:
        case C::note_eight:
        case C::note_nine:
            report(game.toggle_note(cursor(),
                                    1 + static_cast<int>(command) - static_cast<int>(C::note_one)),
                   cursor());
            break;
        case C::fill_notes:
            report(game.fill_notes(cursor()), cursor());
            break;
        case C::hint:
            hint();
            break;
        case C::zoom_in:
            zoom = zoom_board(*grid, zoom + 1);
            break;
        case C::zoom_out:
            zoom = zoom_board(*grid, zoom - 1);
            break;
        case C::zoom_reset:
            zoom = zoom_board(*grid, 0);
            break;
    }
}
