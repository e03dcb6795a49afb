// One key on the board: translated once, handed to the session, and its
// answer drawn, spoken or shown.
#include <chrono>

#include <wx/grid.h>

#include "board/settings.h"
#include "board/wx/board_view.h"
#include "board/wx/key_events.h"
#include "dialogs/wx/my_dialog.h"
#include "dialogs/wx/tell.h"
#include "shell/wx/mywin.h"
#include "shell/wx/wx_text.h"
#include "sound/sound.h"
#include "speech/speech.h"

void Mywin::boardkey(wxKeyEvent& event) {
    const std::optional<sudoku::Command> command = sudoku::keys::command_for(key_of(event));
    if (!command) {
        // The grid's own keys (Home, Page Down, ...) move its cursor itself.
        event.Skip();
        return;
    }
    perform(*command);
}

void Mywin::perform(sudoku::Command command) {
    const sudoku::Answer answer = session.handle(command, {}, std::chrono::steady_clock::now());
    // A number typed before the key may have been placed first.
    show(answer);
    if (session.play().typing()) {
        // The pause the player chose ends the number.
        typing_timer.StartOnce(
            static_cast<int>(sudoku::pause_of(sudoku::settings().pause).count()));
    } else {
        typing_timer.Stop();
    }
    if (answer.ask.empty()) {
        return;
    }
    // The box opens once the key's own events are done: opened inside them,
    // it would get the rest of the key (on Windows the Enter that presses its
    // OK at once).
    CallAfter([this, command] {
        // The board may have been left by a key that came in between.
        const sudoku::Answer asked =
            grid != nullptr ? session.handle(command, {}, std::chrono::steady_clock::now())
                            : sudoku::Answer{};
        if (asked.ask.empty()) {
            return;
        }
        // Cancelled, the box gives back nothing typed: a change of mind.
        const std::string typed = ask(wx_text(asked.ask)).utf8_string();
        show(session.handle(command, typed, std::chrono::steady_clock::now()));
    });
}

void Mywin::end_typing_after_pause() {
    // The board may have been left since the last digit.
    if (grid != nullptr && session.play().typing()) {
        perform({sudoku::Verb::end_number});
    }
}

void Mywin::show(const sudoku::Answer& answer) {
    if (answer.cursor_moved) {
        follow_cursor();
    }
    // The board draws the numbers from the game: showing a change is drawing again.
    if (!answer.changed.empty()) {
        Refresh();
    }
    // The sound first: it is shorter than any words, and starts with them.
    if (sudoku::settings().sounds != sudoku::SoundsPlay::off) {
        for (const sudoku::Earcon earcon : answer.sounds) {
            sudoku::sound::play(earcon);
        }
    }
    for (const sudoku::texts::Feedback& said : answer.said) {
        if (said.echo) {
            speak_echo(said.text);
        } else if (said.title.empty()) {
            speak(said.text, false,
                  said.square ? sudoku::speech::Kind::square : sudoku::speech::Kind::message);
        } else {
            tell(said.text, said.title);
        }
    }
    switch (answer.effect) {
        case sudoku::Effect::none:
            break;
        case sudoku::Effect::save:
            savegame();
            break;
        case sudoku::Effect::go_home:
            gohome();
            break;
        case sudoku::Effect::zoom_in:
            zoom = zoom_board(*grid, zoom + 1);
            break;
        case sudoku::Effect::zoom_out:
            zoom = zoom_board(*grid, zoom - 1);
            break;
        case sudoku::Effect::zoom_reset:
            zoom = zoom_board(*grid, 0);
            break;
        case sudoku::Effect::settings:
            // After the key's own events, as the number box.
            CallAfter(&Mywin::open_settings);
            break;
        case sudoku::Effect::copy_board:
            copy_board();
            break;
    }
}
