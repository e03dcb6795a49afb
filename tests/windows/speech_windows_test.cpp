// The Windows speech calls and the choice of route, as far as the system
// running the test supports them. Wine exports no UiaRaiseNotificationEvent,
// its SAPI voice answers Speak with E_NOTIMPL, and no screen reader runs
// there: the route is chosen from what is seen (a real window of JAWS's
// class, the screen-reader flag), notifications are checked with fake calls,
// and the tests that need a real notification are skipped.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "speech/speech.h"
#include "speech/speech_jaws.h"
#include "speech/speech_platform.h"
#include "speech/speech_sapi.h"
#include "speech/speech_uia.h"
#include "speech/speech_windows.h"
#include "speech_recorder.h"

namespace sudoku::speech::uia {
void PrintTo(const Notification& notification, std::ostream* out) {
    *out << '"' << notification.text << "\" as " << notification.activity << ", processing "
         << static_cast<int>(notification.processing);
}
}  // namespace sudoku::speech::uia

namespace {

using namespace std::chrono_literals;
using sudoku::speech::Kind;
using sudoku::speech::Route;
using sudoku::speech::uia::Notification;
using sudoku::speech::uia::Processing;
using sudoku::speech::windows::Seen;
using sudoku::speech::windows::Way;

// A shown window of the test's own: top-level and active, as the game's
// would be, or a control inside one.
class Window {
  public:
    Window(const wchar_t* kind_name, int width, int height, HWND parent = nullptr) {
        WNDCLASSW kind{};
        kind.lpfnWndProc = DefWindowProcW;
        kind.hInstance = GetModuleHandleW(nullptr);
        kind.lpszClassName = kind_name;
        RegisterClassW(&kind);  // fails harmlessly when already registered
        const DWORD style = parent != nullptr ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPEDWINDOW;
        window_ = CreateWindowExW(0, kind_name, L"Sudoku", style, 0, 0, width, height, parent,
                                  nullptr, kind.hInstance, nullptr);
        if (parent == nullptr) {
            ShowWindow(window_, SW_SHOW);
            SetForegroundWindow(window_);
            SetActiveWindow(window_);
        }
    }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    ~Window() { DestroyWindow(window_); }
    HWND get() const { return window_; }

  private:
    HWND window_;
};

void set_screen_reader_flag(bool on) {
    SystemParametersInfoW(SPI_SETSCREENREADER, on ? TRUE : FALSE, nullptr, 0);
}

TEST(Sapi, TheWorkerMakesAVoiceAndHandsItEachText) {
    sudoku::speech::sapi::backend()->speak("Game saved.", false);
    ASSERT_TRUE(sudoku::speech::wait_until_idle(30s));
    const sudoku::speech::sapi::Status status = sudoku::speech::sapi::status();
    EXPECT_TRUE(status.voice);
    // S_OK on Windows; E_NOTIMPL under Wine. Either way Speak was called.
    EXPECT_NE(status.last_speak, S_FALSE);
}

TEST(Uia, TheNotificationGoesOnTheFocusedControlWhileItCanBeHeard) {
    struct Case {
        const char* focus;
        int width, height;
        bool focused_control_expected;
    };
    for (const Case& c :
         {Case{"a sized control", 300, 40, true}, Case{"a zero-sized control", 0, 0, false}}) {
        const Window game(L"SudokuSpeechTest", 400, 300);
        const Window control(L"SudokuSpeechControl", c.width, c.height, game.get());
        SetFocus(control.get());
        EXPECT_EQ(sudoku::speech::uia::notification_window(),
                  c.focused_control_expected ? control.get() : game.get())
            << c.focus;
    }
    EXPECT_EQ(sudoku::speech::uia::notification_window(), nullptr) << "no game window";
}

struct FakeUia {
    bool listening = true;
    bool raised = true;
    std::vector<std::pair<HWND, Notification>> notified;

    sudoku::speech::uia::Calls calls() {
        return {[this] { return listening; },
                [this](HWND window, const Notification& notification) {
                    notified.emplace_back(window, notification);
                    return raised;
                }};
    }
};

TEST(Uia, SquaresCutOffTheOneBeforeMessagesWaitTheirTurn) {
    const Window game(L"SudokuSpeechTest", 400, 300);
    const Window board(L"SudokuSpeechControl", 300, 200, game.get());
    SetFocus(board.get());
    FakeUia uia;
    const auto fallback = std::make_shared<Recorder>();
    const auto notifier = sudoku::speech::uia::make_backend(uia.calls(), fallback);
    notifier->speak_as(Kind::square, "3 1: empty.", false);
    notifier->speak_as(Kind::message, "Invalid number.", false);
    notifier->speak_as(Kind::square, "4 1: 2", true);
    const std::vector<std::pair<HWND, Notification>> expected{
        {board.get(), {"3 1: empty.", Processing::most_recent, "Sudoku square"}},
        {board.get(), {"Invalid number.", Processing::all, "Sudoku message"}},
        {board.get(), {"4 1: 2", Processing::important_most_recent, "Sudoku square"}}};
    EXPECT_EQ(uia.notified, expected);
    EXPECT_TRUE(fallback->said().empty());
}

TEST(Uia, WhatNoScreenReaderCanHearGoesToTheFallback) {
    struct Case {
        const char* why;
        bool listening, raised, window;
        std::string text;
    };
    for (const Case& c : {Case{"no client listens", false, true, true, "3 1: empty."},
                          Case{"the call fails", true, false, true, "3 1: empty."},
                          Case{"no game window", true, true, false, "3 1: empty."},
                          Case{"an empty text only silences", true, true, true, ""}}) {
        std::unique_ptr<Window> game;
        if (c.window) {
            game = std::make_unique<Window>(L"SudokuSpeechTest", 400, 300);
        }
        FakeUia uia{c.listening, c.raised, {}};
        const auto fallback = std::make_shared<Recorder>();
        sudoku::speech::uia::make_backend(uia.calls(), fallback)
            ->speak_as(Kind::square, c.text, true);
        EXPECT_EQ(fallback->said(), (std::vector<Said>{{Kind::square, c.text, true}})) << c.why;
        EXPECT_EQ(uia.notified.empty(), !c.listening || !c.window || c.text.empty()) << c.why;
    }
}

TEST(Uia, OnTheActiveWindowTheScreenReaderGetsTheText) {
    if (!sudoku::speech::uia::heard()) {
        GTEST_SKIP() << "this system raises no notifications, or no client listens";
    }
    const Window game(L"SudokuSpeechTest", 400, 300);
    const auto fallback = std::make_shared<Recorder>();
    sudoku::speech::uia::make_backend(sudoku::speech::uia::system_calls(), fallback)
        ->speak("3 1: empty.", false);
    EXPECT_TRUE(fallback->said().empty());
}

// Stand-ins for asking UI Automation whether a client listens, which count
// how often they were asked.
int listener_asked = 0;
bool listening() {
    ++listener_asked;
    return true;
}
bool not_listening() {
    ++listener_asked;
    return false;
}

TEST(Route, TheWayFollowsTheRouteAndWhatIsSeen) {
    struct Case {
        const char* what;
        Route route;
        Seen seen;
        Way way;
        bool listener_asked;
    };
    constexpr Route automatic = Route::automatic;
    const Case cases[] = {
        {"no screen reader", automatic, {false, false, listening}, Way::own_voice, false},
        {"JAWS runs", automatic, {true, true, not_listening}, Way::jaws, false},
        {"JAWS and a listener", automatic, {true, true, listening}, Way::jaws, false},
        {"NVDA or Narrator", automatic, {false, true, listening}, Way::notifications, true},
        {"flag, no listener", automatic, {false, true, not_listening}, Way::own_voice, true},
        {"--speech=jaws", Route::jaws, {false, false, not_listening}, Way::jaws, false},
        {"--speech=screen-reader", Route::screen_reader, {}, Way::notifications, false},
        {"--speech=sapi", Route::speech_dispatcher, {true, true, listening}, Way::own_voice, false},
    };
    for (const Case& c : cases) {
        listener_asked = 0;
        EXPECT_EQ(sudoku::speech::windows::way_for(c.route, c.seen), c.way) << c.what;
        EXPECT_EQ(listener_asked > 0, c.listener_asked) << c.what;
    }
}

TEST(Route, JawsIsSeenByItsWindowAndTheScreenReaderByItsFlag) {
    EXPECT_FALSE(sudoku::speech::windows::seen_now().jaws_runs);
    {
        const Window jaws(L"JFWUI2", 10, 10);
        EXPECT_TRUE(sudoku::speech::windows::seen_now().jaws_runs);
    }
    EXPECT_FALSE(sudoku::speech::windows::seen_now().jaws_runs);

    set_screen_reader_flag(true);
    const bool flag_seen = sudoku::speech::windows::seen_now().screen_reader;
    set_screen_reader_flag(false);
    EXPECT_TRUE(flag_seen);
    EXPECT_FALSE(sudoku::speech::windows::seen_now().screen_reader);
}

TEST(Route, EachWayHasItsBackend) {
    const Window jaws(L"JFWUI2", 10, 10);
    struct Case {
        Route route;
        std::shared_ptr<sudoku::speech::Output> backend;
    };
    for (const Case& c : {Case{Route::automatic, sudoku::speech::jaws::backend()},
                          Case{Route::jaws, sudoku::speech::jaws::backend()},
                          Case{Route::screen_reader, sudoku::speech::uia::backend()},
                          Case{Route::speech_dispatcher, sudoku::speech::sapi::backend()}}) {
        sudoku::speech::use_route(c.route);
        EXPECT_EQ(sudoku::speech::platform::current(), c.backend) << static_cast<int>(c.route);
    }
}

}  // namespace
