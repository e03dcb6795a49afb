// Windows: the game's texts as UI Automation notification events, raised on
// the focused control of the game's active window, which NVDA and Narrator
// speak in the player's own voice (Windows 10 1709 and later). The functions
// are looked up at run time, so that older systems, and Wine, fall back to
// another output.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "speech/speech.h"

namespace sudoku::speech::uia {

// How the screen reader fits a notification in with what it is saying: the
// values of UI Automation's NotificationProcessing that the game uses.
enum class Processing { important_most_recent = 1, all = 2, most_recent = 3 };

struct Notification {
    std::string text;
    Processing processing;
    // A MostRecent notification replaces only those of the same activity, so
    // squares and messages each have their own.
    std::string activity;
    bool operator==(const Notification&) const = default;
};

// The calls into UI Automation that a notifier makes.
struct Calls {
    // Whether any UI Automation client listens: without one a notification
    // goes nowhere.
    std::function<bool()> clients_listening;
    // Raises the notification on the element of `window`; false if it cannot.
    std::function<bool(HWND window, const Notification& notification)> notify;
};

// This Windows's own calls; both empty where it raises no notifications.
const Calls& system_calls();

// Whether this Windows raises notifications and a client listens to them.
bool heard();

// The window a notification is raised on, or nullptr when the game has none:
// the focused control (the board, a list) of the game's active window, else
// that window itself; either only while it is visible and of non-zero size.
HWND notification_window();

// A backend that raises each text as a notification, and hands it to
// `fallback` when it cannot (no listener, no game window, a failed call).
std::shared_ptr<Output> make_backend(Calls calls, std::shared_ptr<Output> fallback);

// The process-wide backend on the system's calls, falling back to SAPI.
std::shared_ptr<Output> backend();

}  // namespace sudoku::speech::uia
