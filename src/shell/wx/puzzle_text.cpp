// Puzzles as text: one typed or pasted in as a new game, and the board
// copied out to the clipboard.
#include <variant>

#include <wx/clipbrd.h>

#include "board/texts.h"
#include "dialogs/wx/my_dialog.h"
#include "dialogs/wx/tell.h"
#include "lifecycle/typed_puzzle.h"
#include "shell/wx/mywin.h"
#include "shell/wx/wx_text.h"
#include "speech/speech.h"
#include "sudoku/rules.h"

void Mywin::enter_puzzle() {
    const wxString prompt = wx_text(sudoku::texts::enter_puzzle_prompt());
    // What was typed comes back into the box after a refusal, to be mended.
    wxString typed;
    for (;;) {
        const std::optional<wxString> answer = ask_for(prompt, typed);
        // Nothing typed is a change of mind, as Cancel.
        if (!answer || sudoku::trimmed(answer->utf8_string()).empty()) {
            return;
        }
        typed = *answer;
        auto read = sudoku::read_puzzle(typed.utf8_string());
        if (const auto* refusal = std::get_if<std::string>(&read)) {
            tell(*refusal, sudoku::texts::oops_title());
            continue;
        }
        auto& puzzle = std::get<sudoku::TypedPuzzle>(read);
        if (puzzle.several_solutions) {
            tell(sudoku::texts::puzzle_with_several_solutions(), sudoku::texts::oops_title());
        }
        session.enter(std::move(puzzle));
        run_game();
        return;
    }
}

void Mywin::copy_board() {
    const std::string text = sudoku::puzzle_text(session.play().game().board());
    bool copied = false;
    if (wxTheClipboard->Open()) {
        copied = wxTheClipboard->SetData(new wxTextDataObject(wx_text(text)));
        // The text stays on the clipboard after the game ends.
        wxTheClipboard->Flush();
        wxTheClipboard->Close();
    }
    speak(copied ? sudoku::texts::board_copied() : sudoku::texts::board_not_copied());
}
