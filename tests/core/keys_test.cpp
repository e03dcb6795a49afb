// The board's key table and the key help, without a display.
#include "board/keys.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace sudoku::keys {
namespace {

TEST(Keys, EveryBindingReachesItsCommandAndNoKeyIsBoundTwice) {
    std::vector<Key> seen;
    for (const Binding& binding : bindings()) {
        EXPECT_EQ(command_for(binding.key), binding.command) << name(binding.key);
        for (const Key& other : seen) {
            EXPECT_FALSE(other == binding.key) << name(binding.key) << " twice";
        }
        seen.push_back(binding.key);
    }
    EXPECT_EQ(command_for({'q'}), std::nullopt);
    EXPECT_EQ(command_for({'5', shift}), std::nullopt) << "modifiers count";
}

TEST(Keys, TheHelpListsEveryCommandOnceWithAllItsKeys) {
    std::istringstream text(help());
    std::set<std::string> descriptions;
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) {
        const auto colon = line.rfind(": ");
        ASSERT_NE(colon, std::string::npos) << line;
        EXPECT_TRUE(descriptions.insert(line.substr(colon + 2)).second) << line;
        lines.push_back(line);
    }
    for (const Binding& binding : bindings()) {
        EXPECT_TRUE(descriptions.contains(describe(binding.command))) << describe(binding.command);
    }
    for (const char* line :
         {"Ctrl+S: Save the game", "Ctrl+E: Back to the main menu",
          "Escape: Drop the number being typed, else back to the main menu", "1, Keypad 1: Place 1",
          "0, Keypad 0: 0 in a number being typed",
          "Backspace, Delete, Keypad Delete, Keypad decimal point: Clear the square",
          "Shift+E: Go to the previous empty square", "Space: Say the square again",
          "Keypad Left, Left: Move left", "Ctrl+Y, Ctrl+Shift+Z: Redo the change undone last",
          "Ctrl++, Ctrl+Shift+=, Ctrl+=, Ctrl+Keypad +: Larger squares"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
}

TEST(Keys, NamesAsOnTheKeyCap) {
    const std::vector<std::pair<Key, std::string>> names = {
        {{'s', ctrl}, "Ctrl+S"},
        {{'e', shift}, "Shift+E"},
        {{'r'}, "r"},
        {{keypad_0 + 5}, "Keypad 5"},
        {{f1}, "F1"},
        {{' '}, "Space"},
        {{0x7f}, "Key 127"},
        {{0x110000 + 900}, "Key 1115012"},
    };
    for (const auto& [key, expected] : names) {
        EXPECT_EQ(name(key), expected);
    }
}

}  // namespace
}  // namespace sudoku::keys
