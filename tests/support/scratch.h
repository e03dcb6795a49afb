// Folders and file systems of a test's own, gone when the test is.
#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace test_support {

// A fresh folder, removed with everything in it afterwards.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sudoku-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a scratch folder");
        }
        path_ = pattern;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// A 64 KiB tmpfs on a folder of its own, for failures that root cannot
// otherwise meet: permission bits do not stop root, a full or read-only file
// system does. Mounting needs root; mounted() says whether it worked.
class SmallTmpfs {
  public:
    explicit SmallTmpfs(const std::filesystem::path& where) : where_(where) {
        std::filesystem::create_directories(where_);
        if (::mount("tmpfs", where_.c_str(), "tmpfs", 0, "size=64k") == 0) {
            mounted_ = true;
        } else {
            error_ = std::strerror(errno);
        }
    }
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;
    ~SmallTmpfs() {
        if (mounted_) {
            ::umount2(where_.c_str(), MNT_DETACH);
        }
    }

    bool mounted() const { return mounted_; }
    const std::string& error() const { return error_; }
    bool make_read_only() {
        return ::mount(nullptr, where_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

  private:
    std::filesystem::path where_;
    bool mounted_ = false;
    std::string error_;
};

}  // namespace test_support
