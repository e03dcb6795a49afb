#include "lifecycle/game_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <utility>

namespace sudoku {

namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor& operator=(FileDescriptor&&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    int get() const { return fd_; }

    // Some file systems report a failed write only when the file is closed.
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_;
};

struct TemporaryFile {
    FileDescriptor file;
    std::string path;
};

std::string random_suffix() {
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    std::string suffix(8, ' ');
    for (char& c : suffix) {
        c = letters[pick(generator)];
    }
    return suffix;
}

// Like mkstemp, but created with 0644 so that the umask applies as for any new file.
std::optional<TemporaryFile> create_beside(const std::string& path) {
    constexpr int attempts = 32;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        std::string candidate = path + ".tmp-" + random_suffix();
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            return TemporaryFile{FileDescriptor(fd), std::move(candidate)};
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool write_all(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool fill_and_close(FileDescriptor& file, const std::string& target, std::string_view text) {
    struct stat target_status {};
    if (::stat(target.c_str(), &target_status) == 0 &&
        ::fchmod(file.get(), target_status.st_mode & 0777) != 0) {
        return false;
    }
    return write_all(file.get(), text) && ::fsync(file.get()) == 0 && file.close();
}

// Makes the rename itself survive a power cut. The new content is already in place
// whatever this reports, so a failure here does not make the save fail.
void sync_folder_of(const std::string& path) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) {
        ::fsync(directory.get());
    }
}

}  // namespace

std::optional<std::string> read_file_limited(const std::string& path, std::size_t max_bytes) {
    // Opening a FIFO for reading blocks until a writer comes, so open without
    // blocking and take nothing but a regular file: a FIFO, device or folder
    // named like a saved game must never freeze the game.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    std::string text;
    char buffer[64 * 1024];
    for (;;) {
        // One byte past the limit is enough to know the file is too large.
        const std::size_t room = max_bytes - text.size();
        const std::size_t wanted = room < sizeof buffer ? room + 1 : sizeof buffer;
        const ssize_t got = ::read(file.get(), buffer, wanted);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (got == 0) {
            return text;
        }
        text.append(buffer, static_cast<std::size_t>(got));
        if (text.size() > max_bytes) {
            return std::nullopt;
        }
    }
}

std::optional<std::string> state_folder() {
    // XDG_STATE_HOME counts only as an absolute path; a relative one is
    // ignored, as the desktop's other programs ignore it.
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/') {
        return std::string(state) + "/sudoku";
    }
    if (const char* home = std::getenv("HOME"); home && *home == '/') {
        return std::string(home) + "/.local/state/sudoku";
    }
    return std::nullopt;
}

bool write_file_atomically(const std::string& path, std::string_view text) {
    auto temporary = create_beside(path);
    if (!temporary) {
        return false;
    }
    if (!fill_and_close(temporary->file, path, text) ||
        ::rename(temporary->path.c_str(), path.c_str()) != 0) {
        ::unlink(temporary->path.c_str());
        return false;
    }
    sync_folder_of(path);
    return true;
}

}  // namespace sudoku
