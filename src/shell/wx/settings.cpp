// Settings.: the dialog's choice followed at once and kept for the next run;
// a new language renames the window and, on the menu, its items.
#include <wx/panel.h>

#include "board/texts.h"
#include "dialogs/wx/settings_dlg.h"
#include "shell/wx/language.h"
#include "shell/wx/mywin.h"
#include "shell/wx/settings_store.h"
#include "shell/wx/wx_text.h"
#include "speech/speech.h"

void Mywin::open_settings() {
    const std::optional<sudoku::Settings> chosen = settings_select(sudoku::settings());
    if (!chosen) {
        return;
    }
    const bool new_language = chosen->language != sudoku::settings().language;
    sudoku::use_settings(*chosen);
    write_settings(*chosen);
    if (!new_language) {
        return;
    }
    const std::string language = use_language(sudoku::language_code(chosen->language));
    // English is the voice the player configured, as at start.
    sudoku::speech::use_language(language == "en" ? "" : language);
    const wxString title = wx_text(sudoku::texts::window_title());
    SetTitle(title);
    SetName(title);
    if (grid == nullptr && panel != nullptr) {
        panel->Destroy();
        panel = nullptr;
        home();
    }
}
