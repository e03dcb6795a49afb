// The earcons the play session asks for, and what the words become with the
// sounds instead of words: the position and the number, the sound telling an
// empty square or a given, a refusal by its sound alone; the sounds off
// leave every text as it is with words.
#include "board/earcons.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/play.h"
#include "board/settings.h"
#include "board_rows.h"

namespace sudoku {
namespace {

using V = Verb;

// 1 _ 3 4 / 3 4 _ 2 / _ 1 4 3 / 4 3 2 _, every number a given.
const Board puzzle = from_rows({{1, 0, 3, 4}, {3, 4, 0, 2}, {0, 1, 4, 3}, {4, 3, 2, 0}});

struct Heard {
    std::vector<std::string> said;
    std::vector<Earcon> sounds;
    bool operator==(const Heard&) const = default;
};

// From 1 1: Left against the edge, Right onto the empty 2 1, 4 refused there,
// w, 2 finishing row 1, Down onto the given 2 2, a note on the empty 3 2 and
// back onto it, then the rest placed to the win, passing the player's own 1.
Heard heard(SoundsPlay sounds) {
    Settings chosen;
    chosen.sounds = sounds;
    use_settings(chosen);
    Play play(Game(puzzle, puzzle, {2, 2}, 0.5));
    Heard heard;
    for (const Command command :
         {Command{V::left},     Command{V::right},   Command{V::place, 4}, Command{V::why},
          Command{V::place, 2}, Command{V::down},    Command{V::right},    Command{V::note, 1},
          Command{V::left},     Command{V::right},   Command{V::place, 1}, Command{V::down},
          Command{V::left},     Command{V::left},    Command{V::place, 2}, Command{V::right},
          Command{V::right},    Command{V::up},      Command{V::down},     Command{V::right},
          Command{V::down},     Command{V::place, 1}}) {
        const Answer answer = play.handle(command);
        for (const texts::Feedback& feedback : answer.said) {
            heard.said.push_back(feedback.text);
        }
        heard.sounds.insert(heard.sounds.end(), answer.sounds.begin(), answer.sounds.end());
    }
    use_settings({});
    return heard;
}

TEST(Earcons, EachMoveRefusalEdgeFinishedRowAndTheWinSounds) {
    using E = Earcon;
    EXPECT_EQ(heard(SoundsPlay::with_words).sounds,
              (std::vector<Earcon>{E::edge,       E::empty, E::refused,   E::unit_done, E::given,
                                   E::empty,      E::given, E::notes,     E::unit_done, E::given,
                                   E::given,      E::empty, E::unit_done, E::given,     E::given,
                                   E::own_number, E::given, E::given,     E::empty,     E::win}));
}

TEST(Earcons, InsteadOfWordsTheSoundTellsEmptyGivenNotesAndRefusals) {
    const std::vector<std::string> said = heard(SoundsPlay::instead_of_words).said;
    const std::vector<std::string> expected = {
        "1 1: 1", "2 1",
        // 4 refused: the sound alone; w still explains.
        "4 is already at 4 1, in the same row.", "two", "2 2: 4", "3 2", "Note 1 added.", "2 2: 4",
        "3 2", "one", "3 3: 4", "2 3: 1", "1 3", "two", "2 3: 1", "3 3: 4", "3 2: 1", "3 3: 4",
        "4 3: 3", "4 4", "one", "You completed the board! What a genius!"};
    EXPECT_EQ(said, expected);
}

TEST(Earcons, OffAndWithWordsSayTodaysWords) {
    const Heard with_words = heard(SoundsPlay::with_words);
    EXPECT_EQ(heard(SoundsPlay::off).said, with_words.said);
    EXPECT_EQ(with_words.said.at(1), "2 1: empty.");
    EXPECT_EQ(with_words.said.at(2), "Invalid number.");
    EXPECT_EQ(with_words.said.at(7), "Note 1 added.");
    EXPECT_EQ(with_words.said.at(9), "3 2: empty. Notes 1.");
}

// On the given 1 1: a digit, Enter's number and Delete are refused; w explains.
std::vector<std::string> given_refused(SoundsPlay sounds) {
    Settings chosen;
    chosen.sounds = sounds;
    use_settings(chosen);
    Play play(Game(puzzle, puzzle, {2, 2}, 0.5));
    std::vector<std::string> said;
    for (const Command command : {Command{V::place, 2}, Command{V::why}, Command{V::type_number},
                                  Command{V::clear}, Command{V::why}}) {
        const Answer answer = play.handle(command);
        EXPECT_EQ(answer.sounds, command.verb == V::why ? std::vector<Earcon>{}
                                                        : std::vector<Earcon>{Earcon::refused});
        for (const texts::Feedback& feedback : answer.said) {
            said.push_back(feedback.text);
        }
    }
    use_settings({});
    return said;
}

TEST(Earcons, AGivenRefusedByItsSoundAloneIsExplainedByW) {
    EXPECT_EQ(given_refused(SoundsPlay::instead_of_words),
              (std::vector<std::string>{"You can't change this number.",
                                        "You can not delete this number."}));
    EXPECT_EQ(given_refused(SoundsPlay::off),
              (std::vector<std::string>{"You can't change this number.", "Nothing to explain.",
                                        "You can't change this number.",
                                        "You can not delete this number.", "Nothing to explain."}));
}

}  // namespace
}  // namespace sudoku
