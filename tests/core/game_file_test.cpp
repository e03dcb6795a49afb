#include "lifecycle/game_file.h"

#include <gtest/gtest.h>

#include "scratch.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <set>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using sudoku::read_file_limited;
using sudoku::write_file_atomically;

using test_support::ScratchFolder;
using test_support::SmallTmpfs;

void put(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::set<std::string> names_in(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

unsigned permissions_of(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0);
    return status.st_mode & 0777;
}

// --- Reading ---

TEST(ReadFileLimited, ReadsTheWholeFile) {
    ScratchFolder folder;
    const std::string text =
        std::string("line one\nline two\0three", 23) + std::string(200000, 'x');
    put(folder.path() / "game", text);
    EXPECT_EQ(read_file_limited(folder.path() / "game", 1 << 20), text);
}

TEST(ReadFileLimited, SizeLimitIsExact) {
    ScratchFolder folder;
    put(folder.path() / "game", std::string(1000, 'a'));
    EXPECT_EQ(read_file_limited(folder.path() / "game", 1000), std::string(1000, 'a'));
    EXPECT_FALSE(read_file_limited(folder.path() / "game", 999).has_value());
    EXPECT_FALSE(read_file_limited(folder.path() / "game", 0).has_value());
}

TEST(ReadFileLimited, EmptyFileIsEmptyText) {
    ScratchFolder folder;
    put(folder.path() / "game", "");
    EXPECT_EQ(read_file_limited(folder.path() / "game", 0), "");
}

TEST(ReadFileLimited, MissingFileOrFolderGivesNothing) {
    ScratchFolder folder;
    EXPECT_FALSE(read_file_limited(folder.path() / "absent", 100).has_value());
    EXPECT_FALSE(read_file_limited(folder.path(), 100).has_value());
}

TEST(ReadFileLimited, OnlyARegularFileIsRead) {
    EXPECT_FALSE(read_file_limited("/dev/zero", 100000).has_value());
    EXPECT_FALSE(read_file_limited("/dev/null", 100000).has_value());
}

TEST(ReadFileLimited, AFifoIsRefusedWithoutWaitingForAWriter) {
    ScratchFolder folder;
    const fs::path fifo = folder.path() / "x.sudoku";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::promise<std::optional<std::string>> result;
    std::thread reader([&] { result.set_value(read_file_limited(fifo, 100)); });
    auto answer = result.get_future();
    const bool returned = answer.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    if (!returned) {
        // Let the stuck reader go, so the failure is reported rather than hung.
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        ::close(writer);
    }
    reader.join();
    EXPECT_TRUE(returned) << "reading a FIFO blocked";
    EXPECT_FALSE(answer.get().has_value());
}

// --- Writing ---

TEST(WriteFileAtomically, CreatesANewFileWithUmaskPermissions) {
    ScratchFolder folder;
    const fs::path target = folder.path() / "game.sudoku";
    const mode_t umask_in_force = ::umask(022);
    ::umask(umask_in_force);

    ASSERT_TRUE(write_file_atomically(target, "new game"));
    EXPECT_EQ(read_file_limited(target, 100), "new game");
    EXPECT_EQ(permissions_of(target), 0644u & ~umask_in_force);
    EXPECT_EQ(names_in(folder.path()), std::set<std::string>{"game.sudoku"});
}

TEST(WriteFileAtomically, ReplacesContentAndKeepsPermissions) {
    ScratchFolder folder;
    const fs::path target = folder.path() / "game.sudoku";
    put(target, "a much longer old content than the new one");
    ASSERT_EQ(::chmod(target.c_str(), 0600), 0);

    ASSERT_TRUE(write_file_atomically(target, "short"));
    EXPECT_EQ(read_file_limited(target, 100), "short");
    EXPECT_EQ(permissions_of(target), 0600u);
    EXPECT_EQ(names_in(folder.path()), std::set<std::string>{"game.sudoku"});
}

TEST(WriteFileAtomically, RelativePathInTheWorkingFolder) {
    ScratchFolder folder;
    const fs::path before = fs::current_path();
    fs::current_path(folder.path());
    const bool written = write_file_atomically("game.sudoku", "here");
    fs::current_path(before);
    ASSERT_TRUE(written);
    EXPECT_EQ(read_file_limited(folder.path() / "game.sudoku", 100), "here");
}

TEST(WriteFileAtomically, FailsWhenTheFolderIsMissing) {
    ScratchFolder folder;
    EXPECT_FALSE(write_file_atomically(folder.path() / "absent" / "game.sudoku", "text"));
    EXPECT_TRUE(names_in(folder.path()).empty());
}

TEST(WriteFileAtomically, FailsOverAFolderAndLeavesItAlone) {
    ScratchFolder folder;
    const fs::path target = folder.path() / "game.sudoku";
    fs::create_directory(target);
    put(target / "inside", "kept");

    EXPECT_FALSE(write_file_atomically(target, "text"));
    EXPECT_EQ(read_file_limited(target / "inside", 100), "kept");
    EXPECT_EQ(names_in(folder.path()), std::set<std::string>{"game.sudoku"});
}

// An old game on a small file system of its own.
class OnSmallDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!mount.mounted()) {
            GTEST_SKIP() << "cannot mount a tmpfs here (" << mount.error() << "); needs root";
        }
        put(target, "old game");
    }
    ScratchFolder folder;
    SmallTmpfs mount{folder.path() / "mnt"};
    const fs::path target = folder.path() / "mnt" / "game.sudoku";
};

TEST_F(OnSmallDisk, ReadOnlyFileSystemKeepsTheOldFile) {
    ASSERT_TRUE(mount.make_read_only());

    EXPECT_FALSE(write_file_atomically(target, "new game"));
    EXPECT_EQ(read_file_limited(target, 100), "old game");
    EXPECT_EQ(names_in(folder.path() / "mnt"), std::set<std::string>{"game.sudoku"});
}

TEST_F(OnSmallDisk, FullDiskKeepsTheOldFileAndLeavesNoTemporary) {
    {
        // Fill the rest of the file system until the kernel refuses another byte.
        const int filler = ::open((folder.path() / "mnt" / "filler").c_str(),
                                  O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        ASSERT_GE(filler, 0);
        const std::string block(4096, 'f');
        while (::write(filler, block.data(), block.size()) > 0) {
        }
        EXPECT_EQ(errno, ENOSPC);
        ::close(filler);
    }

    EXPECT_FALSE(write_file_atomically(target, std::string(32 * 1024, 'n')));
    EXPECT_EQ(read_file_limited(target, 100), "old game");
    EXPECT_EQ(names_in(folder.path() / "mnt"), (std::set<std::string>{"filler", "game.sudoku"}));
}

}  // namespace
