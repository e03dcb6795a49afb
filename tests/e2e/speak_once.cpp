// Speaks through the game's speech output, for the end-to-end speech tests.
//   speak_once TEXT   speaks TEXT and exits 0 once the speech worker is done with
//                     it: handed to the server, or given up when none answers.
//   speak_once -      speaks each line of standard input ("!" first: interrupting)
//                     and answers each with "done" or "busy" (worker still stuck).
#include <chrono>
#include <iostream>
#include <string>
#include <string_view>

#include "speech/speech.h"

namespace {

// Far beyond any healthy hand-over; only a hung server runs into it.
constexpr std::chrono::seconds patience{60};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: speak_once TEXT | speak_once -\n";
        return 2;
    }
    if (std::string_view(argv[1]) != "-") {
        speak(argv[1]);
        return sudoku::speech::wait_until_idle(patience) ? 0 : 1;
    }
    for (std::string line; std::getline(std::cin, line);) {
        const bool interrupt = line.starts_with('!');
        speak(interrupt ? line.substr(1) : line, interrupt);
        std::cout << (sudoku::speech::wait_until_idle(patience) ? "done" : "busy") << std::endl;
    }
    return 0;
}
