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
    virtual void writeAt(std::uint64_t offset, const char* data, std::size_t n) = 0;
    // The first `length` bytes mapped for reading, valid until the file is closed, or an
    // empty view where the file cannot be mapped (the caller then reads).
    virtual std::string_view mapForReading(std::uint64_t /*length*/) { return {}; }
    // A short exclusive byte-range lock over the whole file, honoured across processes and
    // by network file systems; released by unlock() or by close().
    virtual void lockExclusive() = 0;
    virtual void unlock() = 0;
    // Closes the file, reporting a failure of the close itself.
    virtual void close() = 0;
};

class FileOpener {
public:
    virtual ~FileOpener() = default;
    // Opens the file for reading and writing, shared; creates it empty only when missing.
    // An existing file that cannot be opened is an error and is never recreated.
    virtual std::unique_ptr<BlockFile> openOrCreate(const std::filesystem::path& path) = 0;
};

FileOpener& platformFileOpener();

}  // namespace custovia
