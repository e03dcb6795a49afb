// The settings a store gives: whatever it holds, the game gets settings to
// play with, the lists it cannot read at their first item.
#include "lifecycle/stored_settings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace sudoku {
namespace {

Settings from(const std::map<std::string, std::string>& store) {
    return settings_from([&store](const std::string& key) -> std::optional<std::string> {
        const auto found = store.find(key);
        return found != store.end() ? std::optional<std::string>(found->second) : std::nullopt;
    });
}

TEST(StoredSettings, AMissingOrGarbledStoreGivesTheDefaults) {
    Settings chosen;
    chosen.squares = SquareForm::letter_number;
    chosen.pause = TypedPause::two_seconds;
    const struct {
        const char* what;
        std::map<std::string, std::string> store;
        Settings expected;
    } cases[] = {
        {"no store", {}, {}},
        {"garbage",
         {{"squares", "\xff\xfe"},
          {"arrows", ""},
          {"digits", "5"},
          {"pause", "-1"},
          {"language", "klingon"}},
         {}},
        {"unknown keys", {{"sounds", "on"}, {"Squares", "letter-number"}}, {}},
        {"some lists kept, a broken one not",
         {{"squares", "letter-number"}, {"pause", "2000"}, {"digits", "Numbers"}},
         chosen},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(from(c.store), c.expected) << c.what;
    }
}

TEST(StoredSettings, WhatIsWrittenIsReadBack) {
    Settings chosen;
    chosen.squares = SquareForm::row_column;
    chosen.arrows = ArrowsSay::square_only;
    chosen.digits = DigitsAs::numbers;
    chosen.pause = TypedPause::half_second;
    chosen.language = LanguageChoice::french;
    std::map<std::string, std::string> store;
    for (const auto& [key, value] : stored_values(chosen)) {
        store[key] = value;
    }
    EXPECT_EQ(store.at("language"), "fr");
    EXPECT_EQ(store.at("pause"), "500");
    EXPECT_EQ(from(store), chosen);
    EXPECT_EQ(stored_values(Settings{}).at(0),
              (std::pair<std::string, std::string>{"squares", "column-row"}));
}

}  // namespace
}  // namespace sudoku
