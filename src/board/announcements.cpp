#include <wx/grid.h>

#include "board/rules.h"
#include "board/texts.h"
#include "dialogs/speech.h"
#include "shell/mywin.h"

void Mywin::OnCellChange(wxGridEvent& event) {
    const int x = event.GetCol();
    const int y = event.GetRow();
    event.Skip();
    if (x < 0 || y < 0 || x >= static_cast<int>(board.size()) ||
        y >= static_cast<int>(board[static_cast<std::size_t>(x)].size())) {
        return;
    }
    speak(texts::square_announcement(
        x, y, board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]));
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

Mywin::Square Mywin::cursor() const {
    return {grid->GetGridCursorCol(), grid->GetGridCursorRow()};
}

void Mywin::write_square(Square square, const sudoku::Cell& value) {
    board[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)] = value;
    grid->SetCellValue(
        square.y, square.x,
        value ? wxString::Format("%lld", static_cast<long long>(*value)) : wxString());
}
