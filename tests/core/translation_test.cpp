// Texts in another language: parts put into patterns in the order the
// language wants, and every text the core builds looked up through the
// installed catalog.
#include <gtest/gtest.h>

#include <map>

#include "board/keys.h"
#include "board/texts.h"

namespace {

TEST(Translation, FillPutsEachPartWhereThePatternSays) {
    struct Case {
        std::string_view pattern;
        std::string expected;
    };
    const Case cases[] = {
        {"%1$s at %2$s", "5 at 3 7"},
        {"%2$s: %1$s", "3 7: 5"},      // reordered
        {"%1$s, %1$s", "5, 5"},        // used twice
        {"100%% %1$s", "100% 5"},      // a percent sign
        {"%3$s", "%3$s"},              // no such part: kept
        {"%1$d and %", "%1$d and %"},  // not a placeholder: kept
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sudoku::texts::fill(c.pattern, {"5", "3 7"}), c.expected) << c.pattern;
    }
}

TEST(Translation, ListsJoinTheirLastTwoAsTheLanguageDoes) {
    using sudoku::texts::listed;
    EXPECT_EQ(listed({}, sudoku::texts::and_), "");
    EXPECT_EQ(listed({"2"}, sudoku::texts::and_), "2");
    EXPECT_EQ(listed({"2", "6"}, sudoku::texts::or_), "2 or 6");
    EXPECT_EQ(listed({"2", "6", "9"}, sudoku::texts::and_), "2, 6 and 9");
}

// A catalog for a made-up language, with two forms for counts as German has.
class InAnotherLanguage : public ::testing::Test {
  protected:
    void SetUp() override {
        sudoku::texts::use_catalog(
            {[this](const char* english) {
                 const auto found = words_.find(english);
                 return found == words_.end() ? std::string(english) : found->second;
             },
             [](const char* one, const char* many, long long count) {
                 return std::string(count == 1 ? "EIN " : "VIELE ") + (count == 1 ? one : many);
             }});
    }
    void TearDown() override { sudoku::texts::use_catalog({}); }

    std::map<std::string, std::string, std::less<>> words_ = {
        {"%1$s: empty.", "%1$s: leer."},
        {"row %1$s", "Zeile %1$s"},
        {"%1$s twice in %2$s, at %3$s and %4$s.", "%1$s doppelt in %2$s, bei %3$s und %4$s."},
        {"%1$s and %2$s", "%1$s und %2$s"},
        {"five", "fünf"},
        {"Playing for %1$s.", "Gespielt: %1$s."},
        {"Place %1$s", "%1$s setzen"},
        {"Ctrl+%1$s", "Strg+%1$s"},
    };
};

TEST_F(InAnotherLanguage, EveryKindOfTextIsLookedUp) {
    EXPECT_EQ(sudoku::texts::square_announcement(2, 0, std::nullopt), "3 1: leer.");
    EXPECT_EQ(sudoku::texts::digit_name(5), "fünf");
    const sudoku::Clash twice{7, {sudoku::Unit::row, 1}, {1, 1}, {7, 1}};
    EXPECT_EQ(sudoku::texts::clashes({{twice}, {}, 9}), "7 doppelt in Zeile 2, bei 2 2 und 8 2.");
    EXPECT_EQ(sudoku::texts::played(40), "Gespielt: VIELE 40 seconds.");
    EXPECT_EQ(sudoku::texts::played(1), "Gespielt: EIN 1 second.");
    EXPECT_EQ(sudoku::describe({sudoku::Verb::place, 4}), "4 setzen");
    EXPECT_EQ(sudoku::keys::name({'s', sudoku::keys::ctrl}), "Strg+S");
}

}  // namespace
