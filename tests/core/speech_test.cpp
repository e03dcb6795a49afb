#include "speech/speech.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "scratch.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Far longer than anything here should take, so that a slow machine never fails
// a test; only a real hang runs into it.
constexpr auto generous = 60s;

struct Said {
    std::string text;
    bool interrupt;
    bool operator==(const Said&) const = default;
};

class Recorder final : public sudoku::speech::Output {
  public:
    void speak(const std::string& text, bool interrupt) override {
        said.push_back({text, interrupt});
    }
    std::vector<Said> said;
};

class Thrower final : public sudoku::speech::Output {
  public:
    explicit Thrower(bool standard) : standard_(standard) {}
    void speak(const std::string&, bool) override {
        ++calls;
        if (standard_) {
            throw std::runtime_error("speech server gone");
        }
        throw 42;
    }
    int calls = 0;

  private:
    bool standard_;
};

// Each test leaves the speech-dispatcher backend in place for the next.
class Speech : public testing::Test {
  protected:
    void TearDown() override { sudoku::speech::set_backend(nullptr); }
};

TEST_F(Speech, AutoGivesANewObjectOverTheSameBackendEachCall) {
    const auto recorder = std::make_shared<Recorder>();
    sudoku::speech::set_backend(recorder);
    const auto first = sudoku::speech::Auto();
    const auto second = sudoku::speech::Auto();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first.get(), second.get());
    first->speak("one", false);
    second->speak("two", true);
    EXPECT_EQ(recorder->said, (std::vector<Said>{{"one", false}, {"two", true}}));
}

TEST_F(Speech, SpeakPassesTextAndFlagUnchanged) {
    const auto recorder = std::make_shared<Recorder>();
    sudoku::speech::set_backend(recorder);
    speak("3 4: \"7\", can't: 5%.", false);
    speak("", true);
    speak("", false);
    speak("Game saved.");
    speak("Invalid number.", true);
    EXPECT_EQ(recorder->said, (std::vector<Said>{{"3 4: \"7\", can't: 5%.", false},
                                                 {"", true},
                                                 {"", false},
                                                 {"Game saved.", false},
                                                 {"Invalid number.", true}}));
}

TEST_F(Speech, TheSpeechLogHoldsEveryTextInOrderWhileAskedFor) {
    const auto recorder = std::make_shared<Recorder>();
    sudoku::speech::set_backend(recorder);
    const test_support::ScratchFolder dir;
    const fs::path log = dir.path() / "speech.log";
    speak("before");
    setenv("SUDOKU_SPEECH_LOG", log.c_str(), 1);
    speak("3 1: empty.");
    speak("", true);
    speak("Game saved.");
    unsetenv("SUDOKU_SPEECH_LOG");
    speak("after");
    std::ifstream written(log, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}),
              "3 1: empty.\nGame saved.\n");
    EXPECT_EQ(recorder->said.size(), 5U);
}

TEST_F(Speech, ABackendInstalledLaterTakesOver) {
    const auto before = std::make_shared<Recorder>();
    const auto after = std::make_shared<Recorder>();
    sudoku::speech::set_backend(before);
    speak("first");
    sudoku::speech::set_backend(after);
    speak("second");
    EXPECT_EQ(before->said, (std::vector<Said>{{"first", false}}));
    EXPECT_EQ(after->said, (std::vector<Said>{{"second", false}}));
}

// speak() is noexcept: a failure of the backend can never reach the game.
static_assert(noexcept(speak(std::string())));

TEST_F(Speech, FailuresOfTheBackendAreSwallowedAndSpeechGoesOn) {
    for (const bool standard : {true, false}) {
        const auto thrower = std::make_shared<Thrower>(standard);
        sudoku::speech::set_backend(thrower);
        speak("Invalid number.");
        speak("Cleared.", true);
        EXPECT_EQ(thrower->calls, 2);
        const auto after = std::make_shared<Recorder>();
        sudoku::speech::set_backend(after);
        speak("1 1: empty.");
        EXPECT_EQ(after->said, (std::vector<Said>{{"1 1: empty.", false}}));
    }
}

using TempDir = test_support::ScratchFolder;

// Points libspeechd at `address` and makes its autospawn fail at once: the
// server program it would start does not exist, so no test ever starts a real
// speech-dispatcher.
void use_address(const std::string& address, const TempDir& dir) {
    setenv("SPEECHD_ADDRESS", address.c_str(), 1);
    setenv("SPEECHD_CMD", (dir.path() / "no-speech-dispatcher").c_str(), 1);
}

// Everything written to the standard error stream while it lives.
class StderrCapture {
  public:
    explicit StderrCapture(fs::path file) : file_(std::move(file)), saved_(dup(STDERR_FILENO)) {
        std::fflush(stderr);
        const int fd = open(file_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, STDERR_FILENO);
        close(fd);
    }
    ~StderrCapture() { restore(); }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;
    std::string finish() {
        restore();
        std::ifstream in(file_);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

  private:
    void restore() {
        if (saved_ >= 0) {
            std::fflush(stderr);
            dup2(saved_, STDERR_FILENO);
            close(saved_);
            saved_ = -1;
        }
    }
    fs::path file_;
    int saved_;
};

TEST_F(Speech, WithNoServerSpeakReturnsAndStaysSilent) {
    const TempDir dir;
    const fs::path socket = dir.path() / "nobody-listens.sock";
    use_address("unix_socket:" + socket.string(), dir);
    StderrCapture err(dir.path() / "stderr");
    speak("1 1: empty.");
    EXPECT_TRUE(sudoku::speech::wait_until_idle(generous));
    speak("Invalid number.", true);
    speak("", true);
    EXPECT_TRUE(sudoku::speech::wait_until_idle(generous));
    EXPECT_EQ(err.finish(), "");
    EXPECT_FALSE(fs::exists(socket)) << "a server was started";
}

// A unix socket that takes a connection and never answers: a hung server.
class SilentServer {
  public:
    SilentServer() : socket_(dir_.path() / "hung.sock") {
        listener_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, socket_.c_str(), sizeof address.sun_path - 1);
        if (listener_ < 0 ||
            bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            listen(listener_, 4) != 0) {
            throw std::runtime_error("cannot listen on " + socket_.string());
        }
    }
    ~SilentServer() {
        close(client_);
        close(listener_);
    }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    std::string address() const { return "unix_socket:" + socket_.string(); }
    const TempDir& dir() const { return dir_; }

    // True once a client has connected and sent its first command, which it
    // now waits for an answer to, forever. Connections closed without a word
    // (the worker looking whether anything listens) are passed over.
    bool wait_for_client() {
        const int ms = static_cast<int>(std::chrono::milliseconds(generous).count());
        pollfd incoming{listener_, POLLIN, 0};
        while (poll(&incoming, 1, ms) == 1) {
            close(client_);
            client_ = accept(listener_, nullptr, nullptr);
            pollfd command{client_, POLLIN, 0};
            char byte = 0;
            if (client_ >= 0 && poll(&command, 1, ms) == 1 && read(client_, &byte, 1) == 1) {
                return true;
            }
        }
        return false;
    }

  private:
    TempDir dir_;
    fs::path socket_;
    int listener_ = -1;
    int client_ = -1;
};

TEST_F(Speech, AHungServerNeverHoldsUpTheCaller) {
    SilentServer server;
    use_address(server.address(), server.dir());
    speak("1 1: empty.");
    ASSERT_TRUE(server.wait_for_client());
    // The worker is now stuck for good; every call below must still return.
    for (int i = 0; i < 1000; ++i) {
        speak("2 1: 5", i % 2 == 0);
    }
    EXPECT_FALSE(sudoku::speech::wait_until_idle(50ms));
}

TEST_F(Speech, ExitIsNotHeldUpByAHungServer) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            // Should exit() hang, the alarm ends the child and the test fails.
            alarm(static_cast<unsigned>(generous.count()));
            SilentServer server;
            use_address(server.address(), server.dir());
            speak("Game saved.");
            if (!server.wait_for_client()) {
                std::_Exit(2);
            }
            // exit() skips the server's destructor; the connection outlives its name.
            fs::remove_all(server.dir().path());
            std::exit(0);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
