#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "lifecycle/game_file.h"

namespace {

namespace fs = std::filesystem;

// A folder of the test's own, removed afterwards.
class Folder : public testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("sudoku-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // A path in UTF-8, as the game passes it.
    static std::string utf8_of(const fs::path& path) {
        const std::u8string text = path.u8string();
        return {text.begin(), text.end()};
    }
    std::string utf8(const std::string& name) const {
        return utf8_of(folder_ / fs::path(std::u8string(name.begin(), name.end())));
    }
    static std::string contents(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    fs::path folder_;
};

// Windows' rename refuses an existing target; a save over an old game must not.
TEST_F(Folder, ASaveReplacesAnExistingGameAndLeavesNothingElse) {
    const std::string path = utf8("game.sudoku");
    ASSERT_TRUE(sudoku::write_file_atomically(path, "old"));
    ASSERT_TRUE(sudoku::write_file_atomically(path, "new game"));
    EXPECT_EQ(sudoku::read_file_limited(path, 100), "new game");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(Folder, NamesOutsideTheCodePageWork) {
    const std::string path = utf8("Sp\xc3\xa4l \xe6\x95\xb0\xe7\x8b\xac.sudoku");
    ASSERT_TRUE(sudoku::write_file_atomically(path, "{}"));
    EXPECT_EQ(contents(fs::path(std::u8string(path.begin(), path.end()))), "{}");
    EXPECT_EQ(sudoku::read_file_limited(path, 100), "{}");
}

TEST_F(Folder, ReadingRefusesFoldersDevicesTooLargeAndMissingFiles) {
    const std::string path = utf8("big.sudoku");
    ASSERT_TRUE(sudoku::write_file_atomically(path, "12345"));
    EXPECT_EQ(sudoku::read_file_limited(path, 5), "12345");
    EXPECT_EQ(sudoku::read_file_limited(path, 4), std::nullopt);
    EXPECT_EQ(sudoku::read_file_limited(utf8_of(folder_), 100), std::nullopt);
    EXPECT_EQ(sudoku::read_file_limited("NUL", 100), std::nullopt);
    EXPECT_EQ(sudoku::read_file_limited(utf8("missing.sudoku"), 100), std::nullopt);
}

TEST_F(Folder, AFailedSaveLeavesTheTargetAndNoTemporaryFile) {
    const fs::path target = folder_ / "a folder.sudoku";
    fs::create_directory(target);
    EXPECT_FALSE(sudoku::write_file_atomically(utf8_of(target), "lost"));
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

}  // namespace
