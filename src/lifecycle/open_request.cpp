#include "lifecycle/open_request.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <thread>

#include "lifecycle/game_file.h"

namespace sudoku {

std::string open_request_path(const std::string& folder) {
    const std::u8string name =
        (std::filesystem::path(std::u8string(folder.begin(), folder.end())) / "open-request")
            .u8string();
    return {name.begin(), name.end()};
}

bool ask_running_copy(const std::string& folder, const std::string& file,
                      std::chrono::milliseconds patience) {
    const std::string path = open_request_path(folder);
    if (!write_file_atomically(path, file)) {
        return false;
    }
    const std::filesystem::path request(std::u8string(path.begin(), path.end()));
    const auto until = std::chrono::steady_clock::now() + patience;
    std::error_code ignored;
    while (std::filesystem::exists(request, ignored)) {
        if (std::chrono::steady_clock::now() >= until) {
            std::filesystem::remove(request, ignored);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::optional<std::string> take_open_request(const std::string& folder) {
    // Moved aside first, so a request that arrives meanwhile is never read
    // half or removed unread.
    const std::string path = open_request_path(folder);
    const std::filesystem::path request(std::u8string(path.begin(), path.end()));
    std::filesystem::path taken = request;
    taken += ".taken";
    std::error_code failed;
    std::filesystem::rename(request, taken, failed);
    if (failed) {
        return std::nullopt;
    }
    // A path is far shorter; anything longer is no file to open.
    constexpr std::size_t longest = 64 * 1024;
    const std::u8string name = taken.u8string();
    std::optional<std::string> text =
        read_file_limited(std::string(name.begin(), name.end()), longest);
    std::filesystem::remove(taken, failed);
    return text.value_or("");
}

std::string running_copy_name(const std::string& folder) {
    // FNV-1a: std::hash may differ between two builds of the game.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : folder) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return std::string("sudoku-") + hex + ".lock";
}

}  // namespace sudoku
