// The mid-end's own decisions, without a window: the main menu, the new-game
// dialog's rows, the first words of a board, and what the autosave holds.
#include "lifecycle/session.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "board/texts.h"
#include "board_rows.h"
#include "lifecycle/kept_game.h"
#include "scratch.h"

namespace sudoku {
namespace {

namespace fs = std::filesystem;

// 1 2 3 4 / 3 4 1 2 / 2 1 4 3 / 4 3 2 1, with 2 1 and 3 2 left to the player.
const Board two_left = from_rows({{1, 0, 3, 4}, {3, 4, 0, 2}, {2, 1, 4, 3}, {4, 3, 2, 1}});

std::string text_of(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class SessionTest : public ::testing::Test {
  protected:
    std::unique_ptr<Session> fresh() {
        return std::make_unique<Session>(std::make_unique<Autosave>(file.string()));
    }
    // What the autosave holds once everything given is on disk.
    SavedGame kept_on_disk(Session& session) {
        session.autosave().flush();
        return decode_saved_game(text_of(file)).value();
    }

    test_support::ScratchFolder folder;
    const fs::path file = folder.path() / "current.sudoku";
    const Clock::Time now = std::chrono::steady_clock::now();
};

std::vector<std::string> names(const Session& session) {
    std::vector<std::string> result;
    for (const MenuItem& item : session.menu()) {
        result.push_back(item.name);
    }
    return result;
}

TEST_F(SessionTest, TheMenuOffersToContinueOnlyAKeptGame) {
    const auto session = fresh();
    EXPECT_EQ(names(*session),
              (std::vector<std::string>{"New Game.", "Daily Puzzle.", "Load Game.",
                                        "Enter a Puzzle.", "Statistics.", "Settings.", "Exit."}));
    const MenuAction actions[] = {MenuAction::new_game,   MenuAction::daily_puzzle,
                                  MenuAction::load_game,  MenuAction::enter_puzzle,
                                  MenuAction::statistics, MenuAction::settings,
                                  MenuAction::exit};
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(session->chosen(row), actions[row]) << row;
    }
    EXPECT_EQ(session->chosen(7), std::nullopt);
    EXPECT_EQ(session->chosen(-1), std::nullopt);

    session->take(Play(Game(two_left, two_left, {2, 2}, 0.5)));
    session->start(now);
    session->autosave().flush();
    // Kept at once, and found again by the next start of the game.
    const auto next_start = fresh();
    for (const Session* kept : {session.get(), next_start.get()}) {
        EXPECT_EQ(names(*kept).front(), "Continue Game.");
        EXPECT_EQ(names(*kept).size(), 8u);
        EXPECT_EQ(kept->chosen(0), MenuAction::continue_game);
        EXPECT_EQ(kept->chosen(7), MenuAction::exit);
        EXPECT_EQ(kept->chosen(8), std::nullopt);
    }
}

TEST(NewGameRows, EachRowMeansItsSizeShareAndLevel) {
    const std::vector<std::string> sizes = size_rows();
    ASSERT_EQ(sizes.size(), 8u);
    EXPECT_EQ(sizes.front(), "2x2");
    EXPECT_EQ(sizes.back(), "9x9");
    const std::vector<std::string> shares = share_rows();
    ASSERT_EQ(shares.size(), 9u);
    EXPECT_EQ(shares.front(), "10 percent empty");
    EXPECT_EQ(shares.back(), "90 percent empty");
    const std::vector<std::string> levels = level_rows();
    ASSERT_EQ(levels.size(), 5u);
    EXPECT_EQ(levels.front(), "Any level");
    EXPECT_EQ(levels.back(), "Expert");

    const std::optional<NewGameChoice> chosen = choice_of_rows(7, 4, 2);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->size, (BoxSize{9, 9}));
    EXPECT_EQ(chosen->difficulty, 0.5);
    EXPECT_EQ(chosen->level, Level::medium);
    EXPECT_EQ(choice_of_rows(0, 0, 0)->size, (BoxSize{2, 2}));
    EXPECT_EQ(choice_of_rows(0, 0, 0)->difficulty, 0.1);
    EXPECT_EQ(choice_of_rows(0, 0, 0)->level, Level::any);
    // A list without a row under its cursor, or a row it does not have.
    EXPECT_FALSE(choice_of_rows(-1, 0, 0).has_value());
    EXPECT_FALSE(choice_of_rows(0, 9, 0).has_value());
    EXPECT_FALSE(choice_of_rows(8, 0, 0).has_value());
    EXPECT_FALSE(choice_of_rows(0, 0, 5).has_value());
}

// Two empty squares of a 4x4 board make no expert puzzle: the level made is
// said before the first square, once.
TEST_F(SessionTest, ALevelThatCouldNotBeMadeIsSaidBeforeTheFirstSquare) {
    const auto session = fresh();
    session->new_game({{2, 2}, 0.1, Level::expert});
    const Level made = session->play().level();
    ASSERT_NE(made, Level::expert);
    const Answer first = session->start(now);
    ASSERT_EQ(first.said.size(), 1u);
    EXPECT_EQ(first.said.front().text, texts::level_fallback(made, Level::expert, 10) + " " +
                                           texts::announce(session->play().game(), {0, 0}));
    EXPECT_FALSE(first.said.front().square) << "nothing may cut the notice off";
    // Continued, the board says only its square.
    EXPECT_EQ(session->start(now).said.front().text,
              texts::announce(session->play().game(), {0, 0}));

    session->new_game({{2, 2}, 0.1, Level::any});
    EXPECT_EQ(session->start(now).said.front().text,
              texts::announce(session->play().game(), {0, 0}));
}

TEST_F(SessionTest, AChangedGameIsWrittenAndAWonOneForgotten) {
    const auto session = fresh();
    session->take(Play(Game(two_left, two_left, {2, 2}, 0.5), {1, 0}));
    session->start(now);
    EXPECT_EQ(kept_on_disk(*session).board, two_left);

    const Answer placed = session->handle({Verb::place, 2}, std::nullopt, now);
    ASSERT_TRUE(placed.modified);
    EXPECT_EQ(kept_on_disk(*session).board[1][0], 2);

    session->handle({Verb::right}, std::nullopt, now);
    session->handle({Verb::down}, std::nullopt, now);
    ASSERT_EQ(session->play().cursor(), (Square{2, 1}));
    const Answer won = session->handle({Verb::place, 1}, std::nullopt, now);
    ASSERT_TRUE(won.won);
    session->autosave().flush();
    EXPECT_FALSE(fs::exists(file));
    EXPECT_FALSE(session->kept());
    EXPECT_EQ(session->menu().front().action, MenuAction::new_game);
    // Leaving the won board keeps nothing again.
    session->pause(now);
    session->autosave().flush();
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(SessionTest, ARefusedLoadChangesNothing) {
    const auto session = fresh();
    session->take(Play(Game(two_left, two_left, {2, 2}, 0.5), {1, 0}));
    session->start(now);
    session->handle({Verb::place, 2}, std::nullopt, now);
    session->autosave().flush();
    const std::string on_disk = text_of(file);
    const SavedGame before = saved_game_of(session->play(), now, true);

    EXPECT_FALSE(session->load("{\"board\": [[1]]}"));
    EXPECT_FALSE(session->load(""));
    EXPECT_EQ(saved_game_of(session->play(), now, true), before);
    EXPECT_TRUE(session->kept());
    session->pause(now);
    session->autosave().flush();
    EXPECT_EQ(text_of(file), on_disk);

    const SavedGame other{two_left, two_left, 0.3, {2, 2}};
    ASSERT_TRUE(session->load(encode_saved_game(other)));
    EXPECT_EQ(session->play().game().difficulty(), 0.3);
}

}  // namespace
}  // namespace sudoku
