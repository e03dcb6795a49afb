// What speak() costs the calling (GUI) thread, and how long the worker takes to
// hand a text to the server, against whatever SPEECHD_ADDRESS leads to: a
// running speech-dispatcher, nothing, or a stopped one. For example:
//   python3 tests/e2e/speechd_capture.py -- build/bench/speech_bench running
//   python3 tests/e2e/speechd_capture.py --frozen -- build/bench/speech_bench stopped
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "speech/speech.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int calls = 2000;
constexpr int deliveries = 300;

void report(const char* what, std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) {
        return micros[static_cast<std::size_t>(q * static_cast<double>(micros.size() - 1))];
    };
    std::printf("  %-34s n=%-5zu median %9.2f us  p99 %9.2f us  max %9.2f us\n", what,
                micros.size(), at(0.5), at(0.99), micros.back());
}

double micros_since(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

std::string square(int i) {
    return std::to_string(i % 9 + 1) + " " + std::to_string(i / 9 % 9 + 1) + ": empty.";
}

// One speak() call per text, timed on this thread.
std::vector<double> timed_calls(std::chrono::microseconds gap) {
    std::vector<double> micros;
    micros.reserve(calls);
    for (int i = 0; i < calls; ++i) {
        const std::string text = square(i);
        const auto start = Clock::now();
        speak(text);
        micros.push_back(micros_since(start));
        std::this_thread::sleep_for(gap);
    }
    return micros;
}

}  // namespace

int main(int argc, char** argv) {
    std::printf("speech_bench %s\n", argc > 1 ? argv[1] : "");
    // The first text opens the connection (or finds no server).
    const auto start = Clock::now();
    speak("Warming up.");
    const bool ready = sudoku::speech::wait_until_idle(5s);
    std::printf("  first text: worker %s after %.1f ms\n", ready ? "done" : "still busy",
                micros_since(start) / 1000.0);

    report("speak(), back to back", timed_calls(0us));
    report("speak(), 2 ms apart", timed_calls(2000us));
    if (!sudoku::speech::wait_until_idle(5s)) {
        std::printf("  worker stuck: no delivery figures\n");
        return 0;
    }
    std::vector<double> handed;
    for (int i = 0; i < deliveries; ++i) {
        const std::string text = square(i);
        const auto sent = Clock::now();
        speak(text);
        if (!sudoku::speech::wait_until_idle(60s)) {
            std::printf("  worker stuck after %d deliveries\n", i);
            return 0;
        }
        handed.push_back(micros_since(sent));
    }
    report("speak() until the worker is done", handed);
    return 0;
}
