#pragma once
// Zip files, behind a small interface: the program writes and reads them through the system's
// zip library where the build found one (systemZip()); tests hand in a zip of their own. What
// goes into a backup and how it is checked never depend on which one is used.
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace custovia {

// A zip that cannot be written or read, or an entry whose bytes do not match their checksum.
class ZipError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ZipEntry {
    std::string name;  // UTF-8, folders separated by "/"
    std::uint64_t size = 0;
    std::time_t modified = 0;
};

// An entry's bytes and the time they were last written, made when the zip is written: the
// writer asks for one entry at a time and lets go of its bytes before asking for the next. An
// exception abandons the zip.
struct EntryBytes {
    std::string bytes;
    std::time_t modified = 0;
};
using EntryContent = std::function<EntryBytes()>;

class ZipWriter {
public:
    virtual ~ZipWriter() = default;
    virtual void add(const std::string& name, EntryContent content) = 0;
    virtual void setComment(const std::string& comment) = 0;
    // Writes the zip as a new file at `path`. On any failure (an entry's content throwing, the
    // disk, `cancelled` answering true) nothing is left at `path` and the failure is thrown:
    // the content's own exception, or ZipError.
    virtual void write(const std::filesystem::path& path, const std::function<bool()>& cancelled = {}) = 0;
};

class ZipReader {
public:
    virtual ~ZipReader() = default;
    virtual const std::vector<ZipEntry>& entries() const = 0;
    virtual std::string comment() const = 0;
    // Hands out the bytes of entries()[index] in pieces; throws ZipError when they cannot be
    // read or do not match their checksum (the pieces handed out until then are not to be used).
    virtual void read(std::size_t index, const std::function<void(std::string_view)>& put) = 0;
};

class ZipFormat {
public:
    virtual ~ZipFormat() = default;
    // False where this build has no zip library: every use then throws ZipError.
    virtual bool available() const = 0;
    virtual std::unique_ptr<ZipWriter> writer() = 0;
    // Reads the zip's list of entries; throws ZipError when the file is no readable zip.
    virtual std::unique_ptr<ZipReader> open(const std::filesystem::path& path) = 0;
};

ZipFormat& systemZip();

}  // namespace custovia
