#include <wx/grid.h>

#include "board/texts.h"
#include "dialogs/speech.h"
#include "shell/mywin.h"
#include "shell/wx_text.h"

void Mywin::OnCellChange(wxGridEvent& event) {
    const sudoku::Square square{event.GetCol(), event.GetRow()};
    event.Skip();
    if (game.contains(square)) {
        speak(texts::announce(game, square));
    }
}

bool Mywin::is_valid(sudoku::Value f) {
    const sudoku::Verdict verdict = game.judge(cursor(), f);
    if (verdict == sudoku::Verdict::given) {
        speak(std::string(texts::given_refused));
    } else if (verdict == sudoku::Verdict::breaks_rule) {
        speak(std::string(texts::invalid_number));
    }
    return verdict == sudoku::Verdict::accepted;
}

sudoku::Square Mywin::cursor() const {
    return {grid->GetGridCursorCol(), grid->GetGridCursorRow()};
}
