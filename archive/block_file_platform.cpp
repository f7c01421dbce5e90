// The only platform-specific file code: opening shared, positional I/O and byte-range locks.
#include "archive/block_file.h"

#include "archive/file_replace.h"
#include "archive/paths.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#endif

namespace custovia {
namespace {

#ifdef _WIN32
[[noreturn]] void fail(const std::string& what, const std::filesystem::path& path) {
    throw ArchiveError(what + " " + pathToUtf8(path) + ": error " + std::to_string(GetLastError()));
}
#else
[[noreturn]] void fail(const std::string& what, const std::filesystem::path& path) {
    throw ArchiveError(what + " " + pathToUtf8(path) + ": " + std::strerror(errno));
}
#endif

#ifndef _WIN32

class PosixFile final : public BlockFile {
public:
    PosixFile(int fd, std::filesystem::path path) : fd_(fd), path_(std::move(path)) {}
    ~PosixFile() override {
        if (fd_ >= 0) ::close(fd_);
    }

    std::uint64_t size() override {
        struct stat st {};
        if (::fstat(fd_, &st) != 0) fail("stat", path_);
        return std::uint64_t(st.st_size);
    }

    void readAt(std::uint64_t offset, char* data, std::size_t n) override {
        if (readSomeAt(offset, data, n) != n) throw ArchiveError("short read " + pathToUtf8(path_));
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

#if defined(__linux__) && defined(RWF_NOWAIT)
    // A read that would have to wait for the disk stops with EAGAIN.
    bool readAtIfHeld(std::uint64_t offset, char* data, std::size_t n) override {
        std::size_t done = 0;
        while (done < n) {
            iovec piece{data + done, n - done};
            const ssize_t got = ::preadv2(fd_, &piece, 1, off_t(offset + done), RWF_NOWAIT);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) return false;
            done += std::size_t(got);
        }
        return true;
    }
#endif

    void writeAt(std::uint64_t offset, const char* data, std::size_t n) override {
        std::size_t done = 0;
        while (done < n) {
            const ssize_t put = ::pwrite(fd_, data + done, n - done, off_t(offset + done));
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) fail("write", path_);
            done += std::size_t(put);
        }
        startWritingToDisk(offset, n);
    }

    // POSIX locks are advisory: the whole file can be locked without refusing any reader
    void lockExclusive() override { setLock(F_WRLCK); }
    void unlock() override { setLock(F_UNLCK); }

    void resize(std::uint64_t length) override {
        while (::ftruncate(fd_, off_t(length)) != 0)
            if (errno != EINTR) fail("resize", path_);
    }

    void flush() override {
        if (::fsync(fd_) != 0) fail("flush", path_);
    }

    void close() override {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) fail("close", path_);
    }

private:
    // A large write (an export, a backup, a rewritten archive) is handed to the disk while the
    // next piece is made, so the flush before the file takes its place waits for the last
    // piece only. Only a hint: the flush still decides, and a refusal changes nothing.
    void startWritingToDisk([[maybe_unused]] std::uint64_t offset, [[maybe_unused]] std::size_t n) {
#ifdef SYNC_FILE_RANGE_WRITE
        constexpr std::size_t kLargeWrite = std::size_t(1) << 20;
        if (n >= kLargeWrite) ::sync_file_range(fd_, off_t(offset), off_t(n), SYNC_FILE_RANGE_WRITE);
#endif
    }

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

    int fd_;
    std::filesystem::path path_;
};

// Freeing a large file's pages and blocks takes the system tens of milliseconds (a quarter of
// a second for a gigabyte), paid by whoever drops the file's last name. A large file about to
// be replaced is given a second, temporary name first, and that name is removed here on a
// thread of its own, so the user does not wait for it. A crash before that leaves a temporary
// file, which the next start removes with the others.
class BackgroundRemoval {
public:
    ~BackgroundRemoval() { wait(); }

    void start(std::filesystem::path path) {
        const std::lock_guard lock(guard_);
        // the removal before (long finished, as a rule) is waited for: one thread at a time
        if (removing_.joinable()) removing_.join();
        try {
            removing_ = std::thread([path] { ::unlink(path.c_str()); });
        } catch (const std::system_error&) {
            ::unlink(path.c_str());  // no thread to be had: removed here, as before
        }
    }

    void wait() {
        const std::lock_guard lock(guard_);
        if (removing_.joinable()) removing_.join();
    }

private:
    std::mutex guard_;
    std::thread removing_;
};

BackgroundRemoval& backgroundRemoval() {
    static BackgroundRemoval removal;
    return removal;
}

// A second name for `target` when dropping its last one would cost a noticeable wait; none
// for a small file, a file with other names already, or a folder that refuses hard links.
std::filesystem::path secondNameOfLargeFile(const std::filesystem::path& target, const struct stat& st) {
    constexpr off_t kLargeFile = off_t(4) << 20;
    if (!S_ISREG(st.st_mode) || st.st_size < kLargeFile || st.st_nlink != 1) return {};
    const std::filesystem::path name = temporaryNameBeside(target);
    return ::link(target.c_str(), name.c_str()) == 0 ? name : std::filesystem::path();
}

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

    std::unique_ptr<BlockFile> openExisting(const std::filesystem::path& path) override {
        const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) fail("open", path);
        return checkedRegular(fd, path);
    }

    std::unique_ptr<BlockFile> openForReading(const std::filesystem::path& path) override {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) fail("open", path);
        return checkedRegular(fd, path);
    }

    std::unique_ptr<BlockFile> createNew(const std::filesystem::path& path) override {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return std::make_unique<PosixFile>(fd, path);
        if (errno == EEXIST) return nullptr;
        fail("create", path);
    }

    void replace(const std::filesystem::path& replacement, const std::filesystem::path& target) override {
        struct stat st {};
        std::filesystem::path oldContent;
        if (::stat(target.c_str(), &st) == 0) {
            // the new file takes the old one's mode and, where allowed, its owner
            if (::chmod(replacement.c_str(), st.st_mode & 07777) != 0) fail("chmod", replacement);
            [[maybe_unused]] const int ignored = ::chown(replacement.c_str(), st.st_uid, st.st_gid);
            oldContent = secondNameOfLargeFile(target, st);
        }
        if (::rename(replacement.c_str(), target.c_str()) != 0) {
            const int error = errno;
            if (!oldContent.empty()) ::unlink(oldContent.c_str());
            errno = error;
            fail("rename", target);
        }
        if (!oldContent.empty()) backgroundRemoval().start(oldContent);
    }

    void remove(const std::filesystem::path& path) override { ::unlink(path.c_str()); }

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
        if (readSomeAt(offset, data, n) != n) throw ArchiveError("short read " + pathToUtf8(path_));
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
    // Windows byte-range locks are mandatory: a lock over the data would refuse every other
    // workstation's load, scan and update while a card is appended. The appenders agree on
    // one byte far beyond any data instead, used as a mutex.
    void lockExclusive() override {
        OVERLAPPED ov = appendMutexByte();
        if (!LockFileEx(h_, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &ov)) fail("lock", path_);
    }
    void unlock() override {
        OVERLAPPED ov = appendMutexByte();
        UnlockFileEx(h_, 0, 1, 0, &ov);
    }
    void resize(std::uint64_t length) override {
        FILE_END_OF_FILE_INFO end{};
        end.EndOfFile.QuadPart = LONGLONG(length);
        if (!SetFileInformationByHandle(h_, FileEndOfFileInfo, &end, sizeof end)) fail("resize", path_);
    }
    void flush() override {
        if (!FlushFileBuffers(h_)) fail("flush", path_);
    }
    void close() override {
        HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        if (!CloseHandle(h)) fail("close", path_);
    }

private:
    static OVERLAPPED appendMutexByte() {
        OVERLAPPED ov{};
        ov.Offset = 0xFFFFFFFEu;  // the byte at 2^63 - 2: no archive comes near it
        ov.OffsetHigh = 0x7FFFFFFFu;
        return ov;
    }
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

    std::unique_ptr<BlockFile> openExisting(const std::filesystem::path& path) override {
        HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, kShare, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) fail("open", path);
        return std::make_unique<WindowsFile>(h, path);
    }

    std::unique_ptr<BlockFile> openForReading(const std::filesystem::path& path) override {
        HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, kShare | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) fail("open", path);
        return std::make_unique<WindowsFile>(h, path);
    }

    std::unique_ptr<BlockFile> createNew(const std::filesystem::path& path) override {
        HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, kShare, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) return std::make_unique<WindowsFile>(h, path);
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) return nullptr;
        fail("create", path);
    }

    void replace(const std::filesystem::path& replacement, const std::filesystem::path& target) override {
        keepSecurityAndAttributes(target, replacement);
        // a reader or an antivirus holding the file a moment refuses the exchange: try again
        // briefly before giving up (the caller then writes in place)
        for (int attempt = 0;; ++attempt) {
            if (MoveFileExW(replacement.c_str(), target.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                return;
            const DWORD error = GetLastError();
            if (attempt == 20 || (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION))
                fail("replace", target);
            Sleep(10);
        }
    }

    void remove(const std::filesystem::path& path) override { DeleteFileW(path.c_str()); }

private:
    static constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE;

    // The new file takes the old one's access rights and attributes (hidden, say); a file
    // not there yet, or rights that cannot be read, leave the folder's defaults.
    static void keepSecurityAndAttributes(const std::filesystem::path& from,
                                          const std::filesystem::path& to) {
        const DWORD attributes = GetFileAttributesW(from.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return;
        DWORD needed = 0;
        GetFileSecurityW(from.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
        if (needed > 0) {
            std::string descriptor(needed, '\0');
            if (GetFileSecurityW(from.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed))
                SetFileSecurityW(to.c_str(), DACL_SECURITY_INFORMATION, descriptor.data());
        }
        SetFileAttributesW(
            to.c_str(), attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                      FILE_ATTRIBUTE_NOT_CONTENT_INDEXED));
    }
};

#endif

}  // namespace

// An opener that only changes how files are opened (a test's fault, a memory archive) keeps
// the platform's way for the rest.
std::unique_ptr<BlockFile> FileOpener::openExisting(const std::filesystem::path& path) {
    return platformFileOpener().openExisting(path);
}
std::unique_ptr<BlockFile> FileOpener::openForReading(const std::filesystem::path& path) {
    return platformFileOpener().openForReading(path);
}
std::unique_ptr<BlockFile> FileOpener::createNew(const std::filesystem::path& path) {
    return platformFileOpener().createNew(path);
}
void FileOpener::replace(const std::filesystem::path& replacement, const std::filesystem::path& target) {
    platformFileOpener().replace(replacement, target);
}
void FileOpener::remove(const std::filesystem::path& path) { platformFileOpener().remove(path); }

void waitForReplacedFilesRemoved() {
#ifndef _WIN32
    backgroundRemoval().wait();
#endif
}

FileOpener& platformFileOpener() {
#ifdef _WIN32
    static WindowsOpener opener;
#else
    static PosixOpener opener;
#endif
    return opener;
}

}  // namespace custovia
