// A speech output that keeps what it is given, from any thread.
#pragma once

#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "speech/speech.h"

struct Said {
    sudoku::speech::Kind kind;
    std::string text;
    bool interrupt;
    bool operator==(const Said&) const = default;
    friend void PrintTo(const Said& said, std::ostream* out) {
        *out << (said.kind == sudoku::speech::Kind::square ? "square " : "message ") << '"'
             << said.text << '"' << (said.interrupt ? ", interrupting" : "");
    }
};

class Recorder final : public sudoku::speech::Output {
  public:
    void speak(const std::string& text, bool interrupt) override {
        speak_as(sudoku::speech::Kind::message, text, interrupt);
    }
    void speak_as(sudoku::speech::Kind kind, const std::string& text, bool interrupt) override {
        const std::lock_guard lock(mutex_);
        said_.push_back({kind, text, interrupt});
    }
    std::vector<Said> said() {
        const std::lock_guard lock(mutex_);
        return said_;
    }

  private:
    std::mutex mutex_;
    std::vector<Said> said_;
};
