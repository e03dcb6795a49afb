// The Windows speech calls, as far as the system running the test supports
// them: Wine exports no UiaRaiseNotificationEvent and its SAPI voice answers
// Speak with E_NOTIMPL, so there the fallbacks are what is checked, and the
// tests that need a real notification are skipped.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/speech.h"
#include "dialogs/speech_platform.h"
#include "dialogs/speech_sapi.h"
#include "dialogs/speech_uia.h"

namespace {

using namespace std::chrono_literals;

class Recorder final : public speech::Output {
  public:
    void speak(const std::string& text, bool) override { said.push_back(text); }
    std::vector<std::string> said;
};

// A plain window of the test's own, shown and active, as the game's would be.
class ActiveWindow {
  public:
    ActiveWindow() {
        WNDCLASSW kind{};
        kind.lpfnWndProc = DefWindowProcW;
        kind.hInstance = GetModuleHandleW(nullptr);
        kind.lpszClassName = L"SudokuSpeechTest";
        RegisterClassW(&kind);
        window_ = CreateWindowExW(0, kind.lpszClassName, L"Sudoku", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                  100, nullptr, nullptr, kind.hInstance, nullptr);
        ShowWindow(window_, SW_SHOW);
        SetForegroundWindow(window_);
        SetActiveWindow(window_);
    }
    ActiveWindow(const ActiveWindow&) = delete;
    ActiveWindow& operator=(const ActiveWindow&) = delete;
    ~ActiveWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }

  private:
    HWND window_;
};

void set_screen_reader_flag(bool on) {
    SystemParametersInfoW(SPI_SETSCREENREADER, on ? TRUE : FALSE, nullptr, 0);
}

TEST(Sapi, TheWorkerMakesAVoiceAndHandsItEachText) {
    speech::sapi::backend()->speak("Game saved.", false);
    ASSERT_TRUE(speech::wait_until_idle(30s));
    const speech::sapi::Status status = speech::sapi::status();
    EXPECT_TRUE(status.voice);
    // S_OK on Windows; E_NOTIMPL under Wine. Either way Speak was called.
    EXPECT_NE(status.last_speak, S_FALSE);
}

TEST(Uia, WithoutAGameWindowTheTextGoesToTheFallback) {
    const auto fallback = std::make_shared<Recorder>();
    const auto notifier = speech::uia::make_backend(fallback);
    notifier->speak("3 1: empty.", false);
    EXPECT_EQ(fallback->said, std::vector<std::string>{"3 1: empty."});
}

TEST(Uia, OnTheActiveWindowTheScreenReaderGetsTheText) {
    if (!speech::uia::available()) {
        GTEST_SKIP() << "this system exports no UiaRaiseNotificationEvent";
    }
    const ActiveWindow window;
    const auto fallback = std::make_shared<Recorder>();
    speech::uia::make_backend(fallback)->speak("3 1: empty.", false);
    EXPECT_TRUE(fallback->said.empty());
}

TEST(Route, TheOwnVoiceRouteAndNoScreenReaderMeanSapi) {
    speech::use_route(speech::Route::speech_dispatcher);
    EXPECT_EQ(speech::platform::current(), speech::sapi::backend());
    set_screen_reader_flag(false);
    speech::use_route(speech::Route::automatic);
    EXPECT_EQ(speech::platform::current(), speech::sapi::backend());
}

TEST(Route, ARunningScreenReaderGetsTheTextsWhereNotificationsExist) {
    set_screen_reader_flag(true);
    speech::use_route(speech::Route::automatic);
    const auto chosen = speech::platform::current();
    set_screen_reader_flag(false);
    if (!speech::uia::available()) {
        // Older Windows, and Wine: the only voice left is SAPI's.
        EXPECT_EQ(chosen, speech::sapi::backend());
        GTEST_SKIP() << "this system exports no UiaRaiseNotificationEvent";
    }
    EXPECT_EQ(chosen, speech::uia::backend());
}

}  // namespace
