#include "speech/speech_dispatcher.h"

#include <libspeechd.h>
#include <pthread.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "speech/text_queue.h"

// How the player hears the game.
//
// Every text cancels what this game is still saying or has waiting
// (spd_cancel touches only our own connection's speech), then goes out with
// priority SPD_MESSAGE. Arrowing over the board therefore always says the square
// the cursor is on now, with no backlog of squares left behind, and a lone
// message ("Invalid number.", "Game saved.") is spoken in full unless the player
// presses on before it ends. SPD_TEXT would give the same within the game, but a
// screen reader's own speech (Orca uses SPD_MESSAGE) discards pending SPD_TEXT:
// measured with Orca, the first square after the new-game dialog closed was
// lost to Orca's announcement of the window. SPD_MESSAGE waits its turn instead.
//
// The worker keeps at most one text waiting for its turn, the newest: while it is
// busy with the server, any texts that come in replace each other, exactly as
// the cancel would have dropped all but the newest. So a hung server costs one
// string of memory, not a growing queue, and the first thing said after a stall
// is the current one rather than a burst of stale ones.
//
// Since every text already supersedes the last one, the interrupt flag adds only
// that an empty interrupting text silences the game.
//
// A box that opens is the one exception: its words wait behind the text given
// just before it (the last digit, then the congratulation), uncancelled, and
// the next ordinary text supersedes both.

namespace sudoku::speech::dispatcher {
namespace {

class Dispatcher final : public QueuedOutput {
  public:
    Dispatcher() {
        std::thread([this] { run(); }).detach();
    }

  private:
    void run() {
        // A server that dies under an open connection makes the next write raise
        // SIGPIPE, whose default action kills the whole game. Blocked here, in the
        // only thread that talks to the server, the write fails with EPIPE instead,
        // and the rest of the process keeps its own signal handling.
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
        for (;;) {
            deliver(queue_.take());
            queue_.done();
        }
    }

    void deliver(const Queued& request) {
        // An empty spd_say never gets its reply and would hang the worker.
        const bool say = !request.text.empty();
        if (!say && !request.interrupt) {
            return;
        }
        if (connection_ == nullptr) {
            if (!may_spawn_ && !may_be_listening()) {
                return;
            }
            // Opened lazily and again after a failure; libspeechd honours
            // SPEECHD_ADDRESS. Without a server this text is lost and the next one
            // tries again. Autospawn (about a second, on this worker) is tried once
            // per lost connection only: it forks, and a fork holds every malloc in
            // the process, the GUI thread's included, for milliseconds; once it has
            // failed it keeps failing, while plain connects cost microseconds.
            char* error = nullptr;
            connection_ = spd_open2("sudoku", "main", nullptr, SPD_MODE_SINGLE, nullptr,
                                    may_spawn_ ? 1 : 0, &error);
            std::free(error);
            may_spawn_ = connection_ != nullptr;
            if (connection_ == nullptr) {
                return;
            }
            if (const std::string code = speech::language(); !code.empty()) {
                spd_set_language(connection_, code.c_str());
            }
        }
        const bool ok = (request.follows || spd_cancel(connection_) == 0) &&
                        (!say || spd_say(connection_, SPD_MESSAGE, request.text.c_str()) >= 0);
        if (!ok) {
            spd_close(connection_);
            connection_ = nullptr;
        }
    }

    // libspeechd leaks a few bytes on every failed spd_open2, so while the server
    // is known to be missing the worker first tries its unix socket itself, in
    // microseconds. Other addresses are left to spd_open2.
    static bool may_be_listening() {
        char* error = nullptr;
        SPDConnectionAddress* address = spd_get_default_address(&error);
        std::free(error);
        if (address == nullptr) {
            return false;
        }
        bool listening = true;
        if (address->method == SPD_METHOD_UNIX_SOCKET && address->unix_socket_name != nullptr) {
            sockaddr_un to{};
            to.sun_family = AF_UNIX;
            std::strncpy(to.sun_path, address->unix_socket_name, sizeof to.sun_path - 1);
            const int probe = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            listening = probe >= 0 &&
                        connect(probe, reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0;
            if (probe >= 0) {
                close(probe);
            }
        }
        SPDConnectionAddress__free(address);
        return listening;
    }

    // Used by the worker only.
    SPDConnection* connection_ = nullptr;
    bool may_spawn_ = true;
};

// Deliberately never destroyed, and its worker detached: the worker can be stuck
// for good inside spd_open or spd_say on a hung (stopped) server. Joining it
// would hang exit(), and destroying the mutex, queue or connection under it
// would be undefined; leaked, exit() and static destruction just go past it.
Dispatcher& instance() {
    static auto* const leaked = new Dispatcher;
    return *leaked;
}

}  // namespace

std::shared_ptr<Output> backend() {
    // Non-owning: the dispatcher lives as long as the process.
    return {&instance(), [](Output*) {}};
}

}  // namespace sudoku::speech::dispatcher

bool sudoku::speech::wait_until_idle(std::chrono::milliseconds timeout) {
    return dispatcher::instance().wait_until_idle(timeout);
}
