// The only platform-specific file code: opening shared, positional I/O and byte-range locks.
#include "archive/block_file.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace custovia {
namespace {

[[noreturn]] void fail(const std::string& what, const std::filesystem::path& path) {
    throw ArchiveError(what + " " + path.string() + ": " + std::strerror(errno));
}

#ifndef _WIN32

class PosixFile final : public BlockFile {
public:
    PosixFile(int fd, std::filesystem::path path) : fd_(fd), path_(std::move(path)) {}
    ~PosixFile() override {
        unmap();
        if (fd_ >= 0) ::close(fd_);
    }

    std::uint64_t size() override {
        struct stat st {};
        if (::fstat(fd_, &st) != 0) fail("stat", path_);
        return std::uint64_t(st.st_size);
    }

    void readAt(std::uint64_t offset, char* data, std::size_t n) override {
        if (readSomeAt(offset, data, n) != n) throw ArchiveError("short read " + path_.string());
    }

    std::size_t readSomeAt(std::uint64_t offset, char* data, std::size_t n) override {
        std::size_t done = 0;
        while (done < n) {
            const ssize_t got = ::pread(fd_, data + done, n - done, off_t(offset + done));
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) fail("read", path_);
            if (got == 0) break;
            done += std::size_t(got);
        }
        return done;
    }

    void writeAt(std::uint64_t offset, const char* data, std::size_t n) override {
        std::size_t done = 0;
        while (done < n) {
            const ssize_t put = ::pwrite(fd_, data + done, n - done, off_t(offset + done));
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) fail("write", path_);
            done += std::size_t(put);
        }
    }

    std::string_view mapForReading(std::uint64_t length) override {
        unmap();
        if (length == 0) return {};
        void* at = ::mmap(nullptr, length, PROT_READ, MAP_SHARED, fd_, 0);
        if (at == MAP_FAILED) return {};
        ::madvise(at, length, MADV_SEQUENTIAL);
        map_ = at;
        mapLength_ = length;
        return {static_cast<const char*>(at), length};
    }

    void lockExclusive() override { setLock(F_WRLCK); }
    void unlock() override { setLock(F_UNLCK); }

    void close() override {
        unmap();
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) fail("close", path_);
    }

private:
    void setLock(short type) {
        struct flock lock {};
        lock.l_type = type;
        lock.l_whence = SEEK_SET;
        lock.l_start = 0;
        lock.l_len = 0;  // to the end of the file, however far it grows
        while (::fcntl(fd_, F_SETLKW, &lock) != 0) {
            if (errno != EINTR) fail("lock", path_);
        }
    }

    void unmap() {
        if (map_) ::munmap(map_, mapLength_);
        map_ = nullptr;
    }

    int fd_;
    std::filesystem::path path_;
    void* map_ = nullptr;
    std::size_t mapLength_ = 0;
};

class PosixOpener final : public FileOpener {
public:
    std::unique_ptr<BlockFile> openOrCreate(const std::filesystem::path& path) override {
        for (;;) {
            int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
            if (fd >= 0) return checkedRegular(fd, path);
            if (errno != ENOENT) fail("open", path);
            fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) return std::make_unique<PosixFile>(fd, path);
            if (errno != EEXIST) fail("create", path);
            // another workstation created it meanwhile: open theirs
        }
    }

private:
    static std::unique_ptr<BlockFile> checkedRegular(int fd, const std::filesystem::path& path) {
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            errno = EISDIR;
            fail("open", path);
        }
        return std::make_unique<PosixFile>(fd, path);
    }
};

#else

class WindowsFile final : public BlockFile {
public:
    WindowsFile(HANDLE h, std::filesystem::path path) : h_(h), path_(std::move(path)) {}
    ~WindowsFile() override {
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    }
    std::uint64_t size() override {
        LARGE_INTEGER s;
        if (!GetFileSizeEx(h_, &s)) fail("stat", path_);
        return std::uint64_t(s.QuadPart);
    }
    void readAt(std::uint64_t offset, char* data, std::size_t n) override {
        if (readSomeAt(offset, data, n) != n) throw ArchiveError("short read " + path_.string());
    }
    std::size_t readSomeAt(std::uint64_t offset, char* data, std::size_t n) override {
        std::size_t done = 0;
        while (done < n) {
            OVERLAPPED ov{};
            const std::uint64_t at = offset + done;
            ov.Offset = DWORD(at);
            ov.OffsetHigh = DWORD(at >> 32);
            DWORD got = 0;
            const DWORD want = DWORD(std::min<std::size_t>(n - done, 1u << 30));
            if (!ReadFile(h_, data + done, want, &got, &ov)) {
                if (GetLastError() == ERROR_HANDLE_EOF) break;
                fail("read", path_);
            }
            if (got == 0) break;
            done += got;
        }
        return done;
    }
    void writeAt(std::uint64_t offset, const char* data, std::size_t n) override {
        std::size_t done = 0;
        while (done < n) {
            OVERLAPPED ov{};
            const std::uint64_t at = offset + done;
            ov.Offset = DWORD(at);
            ov.OffsetHigh = DWORD(at >> 32);
            DWORD put = 0;
            const DWORD want = DWORD(std::min<std::size_t>(n - done, 1u << 30));
            if (!WriteFile(h_, data + done, want, &put, &ov) || put == 0) fail("write", path_);
            done += put;
        }
    }
    void lockExclusive() override {
        OVERLAPPED ov{};
        if (!LockFileEx(h_, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &ov)) fail("lock", path_);
    }
    void unlock() override {
        OVERLAPPED ov{};
        UnlockFileEx(h_, 0, MAXDWORD, MAXDWORD, &ov);
    }
    void close() override {
        HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        if (!CloseHandle(h)) fail("close", path_);
    }

private:
    HANDLE h_;
    std::filesystem::path path_;
};

class WindowsOpener final : public FileOpener {
public:
    std::unique_ptr<BlockFile> openOrCreate(const std::filesystem::path& path) override {
        const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
        for (;;) {
            HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
            if (h != INVALID_HANDLE_VALUE) return std::make_unique<WindowsFile>(h, path);
            if (GetLastError() != ERROR_FILE_NOT_FOUND) fail("open", path);
            h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
            if (h != INVALID_HANDLE_VALUE) return std::make_unique<WindowsFile>(h, path);
            if (GetLastError() != ERROR_FILE_EXISTS) fail("create", path);
        }
    }
};

#endif

}  // namespace

FileOpener& platformFileOpener() {
#ifdef _WIN32
    static WindowsOpener opener;
#else
    static PosixOpener opener;
#endif
    return opener;
}

}  // namespace custovia
