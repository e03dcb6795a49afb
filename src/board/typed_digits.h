// Digit keys typed one after another on the board form one number. A number
// is placed the moment no longer number of the board could follow it (on a
// 9x9 board every digit at once; on 16x16 the 1 waits, as 10 to 16 may
// follow); otherwise it waits for the next key or the pause.
#pragma once

namespace sudoku {

class TypedDigits {
  public:
    enum class Kind {
        none,     // nothing was typed: the key does its own work
        pending,  // `number` is typed so far and waits for more
        place,    // `number` is complete: place it now
        dropped,  // the typed number was taken back whole
    };
    struct Step {
        Kind kind = Kind::none;
        int number = 0;
        bool operator==(const Step&) const = default;
    };

    // `largest`: the board's largest number.
    explicit TypedDigits(int largest = 9) : largest_(largest) {}

    bool typing() const { return number_ != 0; }
    int number() const { return number_; }

    // A digit from 0 to 9. A 0 with nothing typed starts nothing.
    Step digit(int digit);
    // Backspace: the last digit taken back.
    Step back_space();
    // Escape: the number dropped.
    Step escape();
    // Enter, the pause or any other key: the number typed so far, placed.
    Step end();

  private:
    int largest_;
    int number_ = 0;
};

}  // namespace sudoku
