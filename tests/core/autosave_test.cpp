// The autosave: the game kept on disk as it is played, and found again.
#include "lifecycle/autosave.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "board/texts.h"
#include "board_rows.h"
#include "lifecycle/open_request.h"
#include "scratch.h"

namespace sudoku {
namespace {

namespace fs = std::filesystem;

SavedGame a_game(std::uint64_t elapsed) {
    const Board board = from_rows({{1, 0, 3, 4}, {3, 4, 0, 2}, {0, 1, 4, 3}, {4, 3, 2, 0}});
    SavedGame game{board, board, 0.5, {2, 2}};
    game.elapsed = elapsed;
    game.cursor = Square{1, 0};
    return game;
}

std::string text_of(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class Kept : public ::testing::Test {
  protected:
    test_support::ScratchFolder folder;
    const fs::path file = folder.path() / "current.sudoku";
};

TEST_F(Kept, TheNewestGameIsWrittenAndFoundAgain) {
    {
        Autosave autosave(file.string());
        for (std::uint64_t seconds = 1; seconds <= 50; ++seconds) {
            autosave.keep(a_game(seconds));
        }
        autosave.flush();
        EXPECT_LT(autosave.writes(), 50u) << "games given while one is written are coalesced";
        EXPECT_EQ(text_of(file), encode_saved_game(a_game(50)));
        EXPECT_EQ(fs::directory_iterator(folder.path())->path(), file) << "no temporary left";
    }
    EXPECT_EQ(Autosave(file.string()).resume(), a_game(50));
}

TEST_F(Kept, AWonGameTakesTheFileAway) {
    Autosave autosave(file.string());
    autosave.keep(a_game(5));
    autosave.forget();
    autosave.flush();
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(autosave.resume(), std::nullopt);
}

TEST_F(Kept, ABrokenFileIsSetAsideNeverLost) {
    std::ofstream(folder.path() / "current.sudoku.broken") << "an older one";
    std::ofstream(file) << "{\"board\": [";
    EXPECT_EQ(Autosave(file.string()).resume(), std::nullopt);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(text_of(folder.path() / "current.sudoku.broken"), "{\"board\": [");
}

TEST_F(Kept, WithoutAPlaceNothingIsKept) {
    Autosave nowhere(std::nullopt);
    nowhere.keep(a_game(1));
    nowhere.flush();
    EXPECT_EQ(nowhere.writes(), 0u);
    EXPECT_EQ(nowhere.resume(), std::nullopt);
}

TEST_F(Kept, TheStateFolderFollowsTheEnvironment) {
    const fs::path state = folder.path() / "state";
    setenv("XDG_STATE_HOME", state.c_str(), 1);
    EXPECT_EQ(Autosave::default_path(), (state / "sudoku" / "current.sudoku").string());
    EXPECT_TRUE(fs::is_directory(state / "sudoku"));
    setenv("XDG_STATE_HOME", "relative/ignored", 1);
    setenv("HOME", folder.path().c_str(), 1);
    EXPECT_EQ(Autosave::default_path(),
              (folder.path() / ".local/state/sudoku/current.sudoku").string());
    std::ofstream(folder.path() / "blocked") << "a file, not a folder";
    setenv("XDG_STATE_HOME", (folder.path() / "blocked").c_str(), 1);
    EXPECT_EQ(Autosave::default_path(), std::nullopt);
}

TEST(TimePlayed, InWordsAsAnEarTakesThem) {
    const std::vector<std::pair<long long, std::string>> cases = {
        {0, "Playing for 0 seconds."},           {1, "Playing for 1 second."},
        {40, "Playing for 40 seconds."},         {60, "Playing for 1 minute."},
        {61, "Playing for 1 minute 1 second."},  {725, "Playing for 12 minutes 5 seconds."},
        {3600, "Playing for 1 hour."},           {3659, "Playing for 1 hour."},
        {3900, "Playing for 1 hour 5 minutes."}, {7260, "Playing for 2 hours 1 minute."},
    };
    for (const auto& [seconds, words] : cases) {
        EXPECT_EQ(texts::played(seconds), words) << seconds;
    }
}

// A second start asks the running copy; a lock whose owner died (or whose
// process id now belongs to another program) must not keep the game from
// opening.
TEST_F(Kept, ARequestNoCopyTakesIsWithdrawn) {
    const std::string here = folder.path().string();
    EXPECT_FALSE(ask_running_copy(here, "game.sudoku", std::chrono::milliseconds(100)));
    EXPECT_FALSE(fs::exists(open_request_path(here)));
    EXPECT_EQ(take_open_request(here), std::nullopt);

    std::optional<std::string> taken;
    std::thread running_copy([&] {
        while (!(taken = take_open_request(here))) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    EXPECT_TRUE(ask_running_copy(here, "game.sudoku", std::chrono::seconds(10)));
    running_copy.join();
    EXPECT_EQ(taken, "game.sudoku");
}

}  // namespace
}  // namespace sudoku
