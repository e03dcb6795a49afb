// Windows: the same promises as on POSIX, with Win32 calls. Paths arrive as
// UTF-8 and are opened by their UTF-16 names, so any file name works.
// Permission bits are POSIX's: here a saved game takes its folder's inherited
// permissions.
#include <windows.h>

#include <filesystem>
#include <utility>

#include "lifecycle/game_file.h"

namespace sudoku {

namespace {

class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (valid()) {
            CloseHandle(handle_);
        }
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    // A failed write may show only when the file is closed.
    bool close() { return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0; }

  private:
    HANDLE handle_;
};

std::filesystem::path from_utf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

bool write_all(HANDLE file, std::string_view text) {
    while (!text.empty()) {
        const DWORD wanted =
            text.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(text.size());
        DWORD written = 0;
        if (!WriteFile(file, text.data(), wanted, &written, nullptr)) {
            return false;
        }
        text.remove_prefix(written);
    }
    return true;
}

}  // namespace

std::optional<std::string> read_file_limited(const std::string& path, std::size_t max_bytes) {
    // A folder does not open without FILE_FLAG_BACKUP_SEMANTICS, and a device
    // or pipe (CON, NUL, \\.\pipe\...) is refused by its type.
    Handle file(CreateFileW(from_utf8(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid() || GetFileType(file.get()) != FILE_TYPE_DISK) {
        return std::nullopt;
    }
    std::string text;
    char buffer[64 * 1024];
    for (;;) {
        // One byte past the limit is enough to know the file is too large.
        const std::size_t room = max_bytes - text.size();
        const DWORD wanted = room < sizeof buffer ? static_cast<DWORD>(room + 1) : sizeof buffer;
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, wanted, &got, nullptr)) {
            return std::nullopt;
        }
        if (got == 0) {
            return text;
        }
        text.append(buffer, got);
        if (text.size() > max_bytes) {
            return std::nullopt;
        }
    }
}

bool write_file_atomically(const std::string& path, std::string_view text) {
    const std::filesystem::path target = from_utf8(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    // Windows' own unique name beside the target, created empty.
    wchar_t temporary[MAX_PATH];
    if (GetTempFileNameW(folder.c_str(), L"sud", 0, temporary) == 0) {
        return false;
    }
    Handle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    const bool written =
        file.valid() && write_all(file.get(), text) && FlushFileBuffers(file.get()) && file.close();
    // Replaces the target in one step, and returns only once that is on disk.
    if (!written || !MoveFileExW(temporary, target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        if (file.valid()) {
            file.close();
        }
        DeleteFileW(temporary);
        return false;
    }
    return true;
}

std::optional<std::string> state_folder() {
    wchar_t folder[MAX_PATH + 1];
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", folder, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) {
        return std::nullopt;
    }
    const std::u8string text = (std::filesystem::path(folder) / L"Sudoku").u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace sudoku
