#include <wx/grid.h>

#include "board/texts.h"
#include "dialogs/speech.h"
#include "shell/mywin.h"
#include "shell/wx_text.h"

void Mywin::OnCellChange(wxGridEvent& event) {
    const sudoku::Square square{event.GetCol(), event.GetRow()};
    event.Skip();
    // A refused digit is explained only while the cursor stays on its square.
    game.forget_refusal();
    if (game.contains(square)) {
        speak(texts::announce(game, square));
    }
}

sudoku::Square Mywin::cursor() const {
    return {grid->GetGridCursorCol(), grid->GetGridCursorRow()};
}
