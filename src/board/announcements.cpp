#include <wx/grid.h>

#include "board/rules.h"
#include "board/texts.h"
#include "dialogs/speech.h"
#include "shell/mywin.h"
#include "shell/wx_text.h"

void Mywin::OnCellChange(wxGridEvent& event) {
    const int x = event.GetCol();
    const int y = event.GetRow();
    event.Skip();
    if (x < 0 || y < 0 || x >= static_cast<int>(board.size()) ||
        y >= static_cast<int>(board[static_cast<std::size_t>(x)].size())) {
        return;
    }
    speak(texts::square_announcement(x, y, square_at({x, y})));
}

bool Mywin::is_valid(sudoku::Value f) {
    const Square square = cursor();
    switch (sudoku::judge_candidate(board, original, size, square.x, square.y, f)) {
        case sudoku::Verdict::given:
            speak(std::string(texts::given_refused));
            return false;
        case sudoku::Verdict::breaks_rule:
            speak(std::string(texts::invalid_number));
            return false;
        case sudoku::Verdict::accepted:
            break;
    }
    return true;
}

sudoku::Cell& Mywin::square_at(Square square) {
    return board[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)];
}

Mywin::Square Mywin::cursor() const {
    return {grid->GetGridCursorCol(), grid->GetGridCursorRow()};
}

void Mywin::write_square(Square square, const sudoku::Cell& value) {
    square_at(square) = value;
    grid->SetCellValue(square.y, square.x, cell_text(value));
}
