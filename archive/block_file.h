#pragma once
// The file layer under the archives: an opened file addressed by byte offsets.
// The platform implementation lives in block_file_platform.cpp; tests inject faults by
// handing the archive another opener.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace custovia {

// Any failure to reach an archive: opening, creating, reading, writing, closing.
class ArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class BlockFile {
public:
    virtual ~BlockFile() = default;
    virtual std::uint64_t size() = 0;
    // Reads exactly n bytes at offset; a short read is an error.
    virtual void readAt(std::uint64_t offset, char* data, std::size_t n) = 0;
    // Reads up to n bytes at offset and returns how many were read.
    virtual std::size_t readSomeAt(std::uint64_t offset, char* data, std::size_t n) = 0;
    // Reads exactly n bytes at offset only when the system holds them all in memory already, so
    // nothing waits for a disk. False when it does not, cannot tell, or fails (`data` then holds
    // nothing useful): whoever needs the bytes reads them with readAt.
    virtual bool readAtIfHeld(std::uint64_t /*offset*/, char* /*data*/, std::size_t /*n*/) { return false; }
    virtual void writeAt(std::uint64_t offset, const char* data, std::size_t n) = 0;
    // A short exclusive lock that serialises appends across processes, honoured by network
    // file systems too; released by unlock() or by close(). It never refuses a reader: on
    // Windows, where byte-range locks are mandatory, it locks one byte far beyond any data.
    virtual void lockExclusive() = 0;
    virtual void unlock() = 0;
    // Sets the file's length (a file rewritten in place shrinks to its new content).
    virtual void resize(std::uint64_t /*length*/) { throw ArchiveError("resize not supported"); }
    // Makes what was written reach the disk before the file takes the place of another.
    virtual void flush() {}
    // Closes the file, reporting a failure of the close itself.
    virtual void close() = 0;
};

class FileOpener {
public:
    virtual ~FileOpener() = default;
    // Opens the file for reading and writing, shared; creates it empty only when missing.
    // An existing file that cannot be opened is an error and is never recreated.
    virtual std::unique_ptr<BlockFile> openOrCreate(const std::filesystem::path& path) = 0;
    // Opens an existing file for reading and writing; never creates one.
    virtual std::unique_ptr<BlockFile> openExisting(const std::filesystem::path& path);
    // Opens an existing file for reading only, shared with every other reader and writer (a
    // read-only file, or one another program holds open, included); never creates one. Such a
    // file takes no lock and no write.
    virtual std::unique_ptr<BlockFile> openForReading(const std::filesystem::path& path);
    // Creates a file only when no file of that name exists: a name already taken gives
    // nullptr and the file there is never touched. Throws ArchiveError when the folder refuses.
    virtual std::unique_ptr<BlockFile> createNew(const std::filesystem::path& path);
    // Puts `replacement` in the place of `target` in one step, keeping the target's
    // permissions (on Windows its security and attributes); throws ArchiveError.
    virtual void replace(const std::filesystem::path& replacement, const std::filesystem::path& target);
    // Removes a file this program made; failures are ignored (it is only left behind).
    virtual void remove(const std::filesystem::path& path);
};

FileOpener& platformFileOpener();

// Waits until the old content of every file the platform opener replaced is gone from the
// disk (a large one is let go on a thread of its own, after the new file is in place).
void waitForReplacedFilesRemoved();

}  // namespace custovia
