// What a player chooses once and keeps: how squares and digits are said, what
// the arrows say, the pause that ends a typed number, the language. Each
// setting is a list of items in the order the settings dialog shows them; the
// first item of each is the game's behaviour before anything was chosen.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <vector>

namespace sudoku {

// "3 1", "1 3" or "C1" for the square in column 3, row 1.
enum class SquareForm { column_row, row_column, letter_number };
enum class ArrowsSay { position_and_square, square_only };
// The earcons: beside the words, in place of the words they stand for, or none.
enum class SoundsPlay { with_words, instead_of_words, off };
enum class DigitsAs { words, numbers };
enum class TypedPause { one_second, half_second, one_and_half_seconds, two_seconds };
enum class LanguageChoice { system, english, german, french, spanish };

struct Settings {
    SquareForm squares = SquareForm::column_row;
    ArrowsSay arrows = ArrowsSay::position_and_square;
    SoundsPlay sounds = SoundsPlay::with_words;
    DigitsAs digits = DigitsAs::words;
    TypedPause pause = TypedPause::one_second;
    LanguageChoice language = LanguageChoice::system;
    bool operator==(const Settings&) const = default;
};

// One list of the dialog: its heading (also its name) and its items, English
// texts for the catalog; the store names the list by `key` and each item by
// one of `stored`, words that do not change with the language.
struct SettingList {
    const char* heading;
    const char* key;
    std::vector<const char*> items;
    std::vector<const char*> stored;
};
inline constexpr std::size_t setting_count = 6;
const std::array<SettingList, setting_count>& setting_lists();

// The item of list `list` that `settings` holds, as a row of the list.
int chosen_item(const Settings& settings, std::size_t list);
// `settings` with item `item` of list `list`; an item the list lacks changes nothing.
void choose_item(Settings& settings, std::size_t list, int item);

std::chrono::milliseconds pause_of(TypedPause pause);
// The language as --language names it ("de"), or empty for the system's.
const char* language_code(LanguageChoice language);

// The settings the game's texts and play follow now: the defaults until the
// front end installs the player's.
const Settings& settings();
void use_settings(const Settings& settings);

}  // namespace sudoku
