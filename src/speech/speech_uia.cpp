#include "speech/speech_uia.h"

// windows.h (through speech_uia.h) first: uiautomationcore.h uses its types
// without including it.
#include <uiautomationcore.h>

#include <utility>

#include "speech/bstr.h"
#include "speech/speech_sapi.h"

namespace sudoku::speech::uia {
namespace {

// NotificationKind_Other, which MinGW's headers lack.
constexpr int kind_other = 4;

using RaiseNotification = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
using HostProvider = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
using ClientsListening = BOOL(WINAPI*)();

struct Exports {
    RaiseNotification raise = nullptr;
    HostProvider host = nullptr;
    ClientsListening listening = nullptr;
};

template <typename Function>
Function find(HMODULE dll, const char* name) {
    // Through a plain function pointer, which GCC allows to become any other.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(dll, name)));
}

// None of these has an import library in MinGW, and the notification is
// missing before Windows 10 1709: looked up once, at first use.
const Exports& exports() {
    static const Exports found = [] {
        Exports result;
        if (HMODULE dll = LoadLibraryW(L"uiautomationcore.dll")) {
            result.raise = find<RaiseNotification>(dll, "UiaRaiseNotificationEvent");
            result.host = find<HostProvider>(dll, "UiaHostProviderFromHwnd");
            result.listening = find<ClientsListening>(dll, "UiaClientsAreListening");
        }
        return result;
    }();
    return found;
}

// The window's own provider, the one Windows hosts for any window with a
// handle: NVDA speaks a notification only from such an element.
bool notify(HWND window, const Notification& notification) {
    const Exports& uia = exports();
    IRawElementProviderSimple* provider = nullptr;
    if (FAILED(uia.host(window, &provider)) || provider == nullptr) {
        return false;
    }
    const Bstr text(notification.text);
    const Bstr activity(notification.activity);
    const HRESULT result =
        uia.raise(provider, kind_other, static_cast<int>(notification.processing), text.get(),
                  activity.get());
    provider->Release();
    return SUCCEEDED(result);
}

// NVDA drops a notification raised on a hidden or zero-sized window.
bool heard_from(HWND window, HWND active) {
    RECT area{};
    return window != nullptr && (window == active || IsChild(active, window)) &&
           IsWindowVisible(window) && GetWindowRect(window, &area) && !IsRectEmpty(&area);
}

Notification notification(Kind kind, const std::string& text, bool interrupt) {
    const std::string activity = kind == Kind::square ? "Sudoku square" : "Sudoku message";
    if (interrupt) {
        // Both NVDA and Narrator cut off what they are saying for it.
        return {text, Processing::important_most_recent, activity};
    }
    // A square: MostRecent, which cuts off the text before it in NVDA, so that
    // arrowing over the board speaks only the square the cursor is on. A
    // message (a refusal, "Game saved."): All, queued after what is being
    // said, so that it neither cuts off the square just moved to nor is cut
    // off by it. Not ImportantAll, which Narrator only ever appends.
    return {text, kind == Kind::square ? Processing::most_recent : Processing::all, activity};
}

class Notifier final : public Output {
  public:
    Notifier(Calls calls, std::shared_ptr<Output> fallback)
        : calls_(std::move(calls)), fallback_(std::move(fallback)) {}

    void speak(const std::string& text, bool interrupt) override {
        speak_as(Kind::message, text, interrupt);
    }

    void speak_as(Kind kind, const std::string& text, bool interrupt) override {
        // An empty text only silences; the screen reader's speech is its own.
        if (text.empty() || !raise(notification(kind, text, interrupt))) {
            fallback_->speak_as(kind, text, interrupt);
        }
    }

  private:
    bool raise(const Notification& said) {
        if (!calls_.clients_listening || !calls_.clients_listening()) {
            return false;
        }
        HWND window = notification_window();
        return window != nullptr && calls_.notify(window, said);
    }

    Calls calls_;
    std::shared_ptr<Output> fallback_;
};

}  // namespace

const Calls& system_calls() {
    static const Calls calls = [] {
        const Exports& uia = exports();
        if (uia.raise == nullptr || uia.host == nullptr || uia.listening == nullptr) {
            return Calls{};
        }
        return Calls{[] { return exports().listening() != FALSE; }, notify};
    }();
    return calls;
}

bool heard() {
    const Calls& calls = system_calls();
    return calls.clients_listening && calls.clients_listening();
}

HWND notification_window() {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    // The calling thread's own windows first: the GUI thread, which calls
    // speak(), knows them even while its window is not yet in front (a dialog
    // has just closed). Another thread (the JAWS route's worker, handing a
    // text on) asks the thread whose window is in front, if it is the game's.
    if (!GetGUIThreadInfo(GetCurrentThreadId(), &gui) || gui.hwndActive == nullptr) {
        DWORD process = 0;
        const DWORD thread = GetWindowThreadProcessId(GetForegroundWindow(), &process);
        if (process != GetCurrentProcessId() || !GetGUIThreadInfo(thread, &gui)) {
            return nullptr;
        }
    }
    for (HWND window : {gui.hwndFocus, gui.hwndActive}) {
        if (heard_from(window, gui.hwndActive)) {
            return window;
        }
    }
    return nullptr;
}

std::shared_ptr<Output> make_backend(Calls calls, std::shared_ptr<Output> fallback) {
    return std::make_shared<Notifier>(std::move(calls), std::move(fallback));
}

std::shared_ptr<Output> backend() {
    static const std::shared_ptr<Output> shared = make_backend(system_calls(), sapi::backend());
    return shared;
}

}  // namespace sudoku::speech::uia
