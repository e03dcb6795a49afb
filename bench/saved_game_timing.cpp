// How long saving and loading the largest game takes: encode, write, read, decode of
// an 81x81 board, in a scratch folder; and the autosave of 100 changes on an 81x81
// game in play: what a key pays for it, and the time until the change is on disk.
// Prints figures only; speed never fails a build.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "board/play.h"
#include "lifecycle/autosave.h"
#include "lifecycle/game_file.h"
#include "lifecycle/kept_game.h"
#include "lifecycle/saved_game.h"

namespace {

using Clock = std::chrono::steady_clock;

sudoku::SavedGame largest_game() {
    constexpr int box = 9;
    constexpr int n = box * box;
    sudoku::SavedGame game;
    game.size = {box, box};
    game.difficulty = 0.5;
    game.board.assign(n, sudoku::Column(n));
    game.original = game.board;
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const sudoku::Value value = (y * box + y / box + x) % n + 1;
            game.board[x][y] = value;
            if ((x + y) % 2 == 0) {
                game.original[x][y] = value;
            }
        }
    }
    return game;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double ms(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// 100 notes toggled on a half-empty 81x81 game whose empty squares hold every
// note they can take, each kept as the window keeps it.
void time_autosave(const std::string& folder) {
    sudoku::SavedGame start = largest_game();
    for (int x = 0; x < 81; x += 2) {
        for (auto& cell : start.board[static_cast<std::size_t>(x)]) {
            cell.reset();
        }
        start.original[static_cast<std::size_t>(x)] = start.board[static_cast<std::size_t>(x)];
    }
    sudoku::Play play = sudoku::play_of(start);
    play.handle({sudoku::Verb::fill_notes});
    sudoku::Autosave autosave(folder + "/current.sudoku");
    std::vector<double> key, disk;
    for (int change = 0; change < 100; ++change) {
        play.handle({sudoku::Verb::note, 1 + change % 9});
        const auto t0 = Clock::now();
        autosave.keep(sudoku::saved_game_of(play, t0, true));
        const auto t1 = Clock::now();
        autosave.flush();
        const auto t2 = Clock::now();
        key.push_back(ms(t0, t1));
        disk.push_back(ms(t0, t2));
    }
    std::printf("autosave of 100 changes, 81x81 with notes:\n");
    std::printf("  on the key's thread: median %.3f ms, slowest %.3f ms\n", median(key),
                *std::max_element(key.begin(), key.end()));
    std::printf("  change to disk: median %.3f ms, slowest %.3f ms\n", median(disk),
                *std::max_element(disk.begin(), disk.end()));
}

}  // namespace

int main() {
    std::string folder = (std::filesystem::temp_directory_path() / "sudoku-timing-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string path = folder + "/game.sudoku";
    const sudoku::SavedGame game = largest_game();

    constexpr int rounds = 50;
    std::vector<double> encode, write, read, decode, total;
    std::size_t bytes = 0;
    bool ok = true;
    for (int round = 0; round < rounds && ok; ++round) {
        const auto t0 = Clock::now();
        const std::string text = sudoku::encode_saved_game(game);
        const auto t1 = Clock::now();
        ok = sudoku::write_file_atomically(path, text);
        const auto t2 = Clock::now();
        const auto loaded = sudoku::read_file_limited(path, sudoku::max_saved_game_bytes);
        const auto t3 = Clock::now();
        const auto decoded = loaded ? sudoku::decode_saved_game(*loaded) : std::nullopt;
        const auto t4 = Clock::now();
        ok = ok && decoded && *decoded == game;
        bytes = text.size();
        encode.push_back(ms(t0, t1));
        write.push_back(ms(t1, t2));
        read.push_back(ms(t2, t3));
        decode.push_back(ms(t3, t4));
        total.push_back(ms(t0, t4));
    }
    time_autosave(folder);
    std::filesystem::remove_all(folder);
    if (!ok) {
        std::fprintf(stderr, "the 81x81 game did not survive saving and loading\n");
        return 1;
    }
    std::printf("81x81 game, %zu bytes, median of %d rounds:\n", bytes, rounds);
    std::printf("  encode %.3f ms, write %.3f ms, read %.3f ms, decode %.3f ms\n", median(encode),
                median(write), median(read), median(decode));
    std::printf("  all four %.3f ms (fastest round %.3f ms)\n", median(total),
                *std::min_element(total.begin(), total.end()));
    return 0;
}
