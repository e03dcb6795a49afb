// The earcons through the sound server (PulseAudio, or PipeWire's PulseAudio
// service): uploaded once to the server's sample cache when the connection is
// up, then each played by name with one short request. All talk with the
// server runs on libpulse's own thread; the GUI thread only takes its lock
// for the moment a request is queued.
#include <pulse/context.h>
#include <pulse/scache.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "sound/earcon_sounds.h"
#include "sound/sound_platform.h"

namespace sudoku::sound {
namespace {

class Server {
  public:
    Server() {
        for (int i = 0; i < earcon_count; ++i) {
            samples_[static_cast<std::size_t>(i)] = samples_of(static_cast<Earcon>(i));
        }
        loop_ = pa_threaded_mainloop_new();
        if (loop_ == nullptr) {
            return;
        }
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Sudoku");
        if (context_ == nullptr) {
            return;
        }
        pa_context_set_state_callback(context_, &Server::on_context, this);
        // Never start a server of our own; wait for one that is not up yet.
        if (pa_context_connect(
                context_, nullptr,
                static_cast<pa_context_flags_t>(PA_CONTEXT_NOAUTOSPAWN | PA_CONTEXT_NOFAIL),
                nullptr) < 0) {
            return;
        }
        pa_threaded_mainloop_start(loop_);
    }

    bool play(Earcon earcon) {
        const std::size_t index = static_cast<std::size_t>(earcon);
        if (!ready_[index].load()) {
            return false;
        }
        pa_threaded_mainloop_lock(loop_);
        pa_operation* asked = nullptr;
        if (pa_context_get_state(context_) == PA_CONTEXT_READY) {
            asked = pa_context_play_sample(context_, name_of(earcon), nullptr, PA_VOLUME_NORM,
                                           nullptr, nullptr);
            if (asked != nullptr) {
                pa_operation_unref(asked);
            }
        }
        pa_threaded_mainloop_unlock(loop_);
        return asked != nullptr;
    }

  private:
    struct Upload {
        Server* server;
        Earcon earcon;
    };

    static void on_context(pa_context* context, void* data) {
        auto* server = static_cast<Server*>(data);
        if (pa_context_get_state(context) != PA_CONTEXT_READY) {
            return;
        }
        for (int i = 0; i < earcon_count; ++i) {
            server->upload(static_cast<Earcon>(i));
        }
    }

    void upload(Earcon earcon) {
        const pa_sample_spec format{PA_SAMPLE_S16LE, sample_rate, 1};
        pa_stream* stream = pa_stream_new(context_, name_of(earcon), &format, nullptr);
        if (stream == nullptr) {
            return;
        }
        auto* upload = new Upload{this, earcon};
        pa_stream_set_state_callback(stream, &Server::on_upload, upload);
        const std::vector<std::int16_t>& samples = samples_[static_cast<std::size_t>(earcon)];
        if (pa_stream_connect_upload(stream, samples.size() * sizeof(std::int16_t)) < 0) {
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_unref(stream);
            delete upload;
        }
    }

    static void on_upload(pa_stream* stream, void* data) {
        auto* upload = static_cast<Upload*>(data);
        const std::size_t index = static_cast<std::size_t>(upload->earcon);
        switch (pa_stream_get_state(stream)) {
            case PA_STREAM_READY: {
                const std::vector<std::int16_t>& samples = upload->server->samples_[index];
                pa_stream_write(stream, samples.data(), samples.size() * sizeof(std::int16_t),
                                nullptr, 0, PA_SEEK_RELATIVE);
                pa_stream_finish_upload(stream);
                return;
            }
            case PA_STREAM_TERMINATED:
                // finish_upload ends the stream: the sample is in the cache.
                upload->server->ready_[index].store(true);
                break;
            case PA_STREAM_FAILED:
                break;
            default:
                return;
        }
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_unref(stream);
        delete upload;
    }

    std::array<std::vector<std::int16_t>, earcon_count> samples_;
    std::array<std::atomic<bool>, earcon_count> ready_{};
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
};

// Made on the first use, and never destroyed: libpulse's thread may still
// run while the program exits.
Server& server() {
    static auto* const made = new Server;
    return *made;
}

}  // namespace

void platform_start() {
    server();
}

bool platform_play(Earcon earcon) {
    return server().play(earcon);
}

}  // namespace sudoku::sound
