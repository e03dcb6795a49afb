// How soon an earcon reaches the sound server after its key: the real window
// on a 9x9 board, 100 arrow keys pressed through the X server (Right and Left
// in turn, each onto a square and so each an earcon), and the server's own
// word that it made the earcon's stream, heard by a second client of the
// server subscribed to its events. Prints the median and the slowest; asserts
// nothing. With no sound server it says so and times nothing.
//
//   earcon_latency [MOVES]
#include <pulse/context.h>
#include <pulse/subscribe.h>
#include <pulse/thread-mainloop.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <vector>

#include <gtk/gtk.h>
#include <wx/uiaction.h>

#include "board/texts.h"
#include "gui_harness.h"
#include "shell/wx/wx_text.h"
#include "sudoku/sudoku.h"

namespace {

using Clock = std::chrono::steady_clock;

// The server's events, each with the moment it was heard here.
class Listener {
  public:
    // False when no sound server answers.
    bool connect() {
        loop_ = pa_threaded_mainloop_new();
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "earcon_latency");
        pa_context_set_state_callback(context_, &Listener::on_state, this);
        pa_context_set_subscribe_callback(context_, &Listener::on_event, this);
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            return false;
        }
        pa_threaded_mainloop_lock(loop_);
        pa_threaded_mainloop_start(loop_);
        pa_context_state_t state = pa_context_get_state(context_);
        while (state != PA_CONTEXT_READY && PA_CONTEXT_IS_GOOD(state)) {
            pa_threaded_mainloop_wait(loop_);
            state = pa_context_get_state(context_);
        }
        if (state == PA_CONTEXT_READY) {
            pa_operation_unref(pa_context_subscribe(
                context_,
                static_cast<pa_subscription_mask_t>(PA_SUBSCRIPTION_MASK_SINK_INPUT |
                                                    PA_SUBSCRIPTION_MASK_SAMPLE_CACHE),
                nullptr, nullptr));
        }
        pa_threaded_mainloop_unlock(loop_);
        return state == PA_CONTEXT_READY;
    }

    std::size_t streams() const {
        const std::lock_guard lock(mutex_);
        return streams_.size();
    }
    Clock::time_point stream(std::size_t index) const {
        const std::lock_guard lock(mutex_);
        return streams_.at(index);
    }
    std::size_t samples() const {
        const std::lock_guard lock(mutex_);
        return samples_;
    }

  private:
    static void on_state(pa_context*, void* data) {
        pa_threaded_mainloop_signal(static_cast<Listener*>(data)->loop_, 0);
    }
    static void on_event(pa_context*, pa_subscription_event_type_t type, uint32_t, void* data) {
        const auto now = Clock::now();
        auto* self = static_cast<Listener*>(data);
        if ((type & PA_SUBSCRIPTION_EVENT_TYPE_MASK) != PA_SUBSCRIPTION_EVENT_NEW) {
            return;
        }
        const std::lock_guard lock(self->mutex_);
        switch (type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) {
            case PA_SUBSCRIPTION_EVENT_SINK_INPUT:
                self->streams_.push_back(now);
                break;
            case PA_SUBSCRIPTION_EVENT_SAMPLE_CACHE:
                ++self->samples_;
                break;
            default:
                break;
        }
    }

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    mutable std::mutex mutex_;
    std::vector<Clock::time_point> streams_;
    std::size_t samples_ = 0;
};

// When the window got the arrow key: before any handler of the game.
std::optional<Clock::time_point> key_arrived;

gboolean note_key(GtkWidget*, GdkEvent* event, gpointer) {
    if (event->type == GDK_KEY_PRESS) {
        key_arrived = Clock::now();
    }
    return FALSE;
}

void print(const char* what, std::vector<double> ms) {
    if (ms.empty()) {
        std::printf("%-56s no runs\n", what);
        return;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-56s moves %3zu  median %7.2f ms  slowest %7.2f ms\n", what, ms.size(),
                ms[ms.size() / 2], ms.back());
}

int run(int moves) {
    static Listener listener;
    if (!listener.connect()) {
        std::printf("earcon_latency: no sound server answers; nothing to time\n");
        return 0;
    }
    // The game's words go nowhere: only the sound is timed.
    sudoku::speech::set_backend(std::make_shared<gui_test::SpeechRecorder>());
    auto* window = new Mywin(nullptr, wx_text(sudoku::texts::window_title()));
    gui_test::pump_until([&] { return window->IsActive(); });
    g_signal_connect(window->GetHandle(), "event", G_CALLBACK(note_key), nullptr);
    auto puzzle = sudoku::Sudoku(3, 3).difficulty(0.5, 1);
    window->session.take(sudoku::Play(sudoku::Game(puzzle.board, puzzle.board, {3, 3}, 0.5)));
    window->run_game();
    // The game uploads its earcons as it starts; a key before that is silent.
    if (!gui_test::pump_until([] { return listener.samples() >= sudoku::earcon_count; },
                              std::chrono::seconds(10))) {
        std::printf("earcon_latency: the game's earcons never reached the server's cache\n");
    }
    gui_test::settle();

    std::vector<double> from_arrival;
    std::vector<double> from_sending;
    wxUIActionSimulator keys;
    for (int i = 0; i < moves; ++i) {
        const std::size_t before = listener.streams();
        key_arrived.reset();
        const auto sent = Clock::now();
        keys.Char(i % 2 == 0 ? WXK_RIGHT : WXK_LEFT);
        if (!gui_test::pump_until([&] { return listener.streams() > before && key_arrived; },
                                  std::chrono::seconds(2))) {
            std::fprintf(stderr, "earcon_latency: move %d: no earcon at the server\n", i + 1);
            continue;
        }
        const auto heard = listener.stream(before);
        from_arrival.push_back(
            std::chrono::duration<double, std::milli>(heard - *key_arrived).count());
        from_sending.push_back(std::chrono::duration<double, std::milli>(heard - sent).count());
        // The earcon ends before the next key, as a player's moves come.
        gui_test::pump_until([] { return false; }, std::chrono::milliseconds(80));
    }
    window->Destroy();
    gui_test::settle();
    print("key at the window to the earcon's stream at the server", from_arrival);
    print("key sent (XTest) to the earcon's stream at the server", from_sending);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int moves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    return gui_test::run_with_app(argc, argv, [=] { return run(moves); });
}
