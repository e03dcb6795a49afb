#include "dialogs/speech_uia.h"

// windows.h first: the other two use its types without including it.
#include <windows.h>

#include <uiautomationcore.h>

#include <utility>

#include "dialogs/bstr.h"
#include "dialogs/speech_sapi.h"

namespace speech::uia {
namespace {

// Values of NotificationKind and NotificationProcessing, which MinGW's
// headers lack.
constexpr int kind_other = 4;
constexpr int important_most_recent = 1;
constexpr int most_recent = 3;

using RaiseNotification = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
using HostProvider = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);

struct Functions {
    RaiseNotification raise = nullptr;
    HostProvider host = nullptr;
};

template <typename Function>
Function find(HMODULE dll, const char* name) {
    // Through a plain function pointer, which GCC allows to become any other.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(dll, name)));
}

// Neither function has an import library in MinGW, and the notification is
// missing before Windows 10 1709: looked up once, at first use.
const Functions& functions() {
    static const Functions found = [] {
        Functions result;
        if (HMODULE dll = LoadLibraryW(L"uiautomationcore.dll")) {
            result.raise = find<RaiseNotification>(dll, "UiaRaiseNotificationEvent");
            result.host = find<HostProvider>(dll, "UiaHostProviderFromHwnd");
        }
        return result;
    }();
    return found;
}

// The game window the player is in: the active window of the GUI thread,
// which calls speak(), else the foreground window when it is the game's.
HWND game_window() {
    if (HWND active = GetActiveWindow()) {
        return active;
    }
    HWND foreground = GetForegroundWindow();
    DWORD process = 0;
    GetWindowThreadProcessId(foreground, &process);
    return process == GetCurrentProcessId() ? foreground : nullptr;
}

bool raise(const std::string& text, bool interrupt) {
    const Functions& uia = functions();
    HWND window = game_window();
    if (uia.raise == nullptr || uia.host == nullptr || window == nullptr) {
        return false;
    }
    IRawElementProviderSimple* provider = nullptr;
    if (FAILED(uia.host(window, &provider)) || provider == nullptr) {
        return false;
    }
    const Bstr said(text);
    const Bstr activity("Sudoku");
    const HRESULT result =
        uia.raise(provider, kind_other, interrupt ? important_most_recent : most_recent, said.get(),
                  activity.get());
    provider->Release();
    return SUCCEEDED(result);
}

class Notifier final : public Output {
  public:
    explicit Notifier(std::shared_ptr<Output> fallback) : fallback_(std::move(fallback)) {}
    void speak(const std::string& text, bool interrupt) override {
        // An empty text only silences; the screen reader's speech is its own.
        if (text.empty() || !raise(text, interrupt)) {
            fallback_->speak(text, interrupt);
        }
    }

  private:
    std::shared_ptr<Output> fallback_;
};

}  // namespace

bool available() {
    const Functions& uia = functions();
    return uia.raise != nullptr && uia.host != nullptr;
}

std::shared_ptr<Output> make_backend(std::shared_ptr<Output> fallback) {
    return std::make_shared<Notifier>(std::move(fallback));
}

std::shared_ptr<Output> backend() {
    static const std::shared_ptr<Output> shared = make_backend(sapi::backend());
    return shared;
}

}  // namespace speech::uia
