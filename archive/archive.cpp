#include "archive/archive.h"

#include <algorithm>
#include <vector>

namespace custovia {
namespace {

void prefetch(std::string_view bytes) {
#if defined(__GNUC__) || defined(__clang__)
    for (std::size_t line = 0; line < bytes.size(); line += 64) __builtin_prefetch(bytes.data() + line);
#else
    (void)bytes;
#endif
}

// Closes the file on every path; a failing close after a successful action is reported.
class OpenFile {
public:
    OpenFile(FileOpener& opener, const std::filesystem::path& path) : file_(opener.openOrCreate(path)) {}
    ~OpenFile() = default;
    BlockFile* operator->() { return file_.get(); }
    void close() {
        auto file = std::move(file_);
        file->close();
    }

private:
    std::unique_ptr<BlockFile> file_;
};

}  // namespace

Archive::Archive(std::filesystem::path path, const RecordLayout& layout, FileOpener& opener)
    : path_(std::move(path)), layout_(&layout), opener_(&opener) {}

std::uint64_t Archive::count() {
    OpenFile file(*opener_, path_);
    const std::uint64_t n = file->size() / layout_->size();
    file.close();
    return n;
}

Record Archive::load(std::uint64_t index) {
    OpenFile file(*opener_, path_);
    if (index >= file->size() / layout_->size()) throw ArchiveError("read past the end");
    std::string bytes(layout_->size(), '\0');
    file->readAt(index * layout_->size(), bytes.data(), bytes.size());
    file.close();
    return Record(*layout_, bytes);
}

void Archive::update(std::uint64_t index, const Record& record) {
    OpenFile file(*opener_, path_);
    file->writeAt(index * layout_->size(), record.bytes().data(), layout_->size());
    file.close();
}

std::uint64_t Archive::append(const Record& record) {
    OpenFile file(*opener_, path_);
    file->lockExclusive();
    const std::uint64_t index = file->size() / layout_->size();
    file->writeAt(index * layout_->size(), record.bytes().data(), layout_->size());
    file->unlock();
    file.close();
    return index;
}

void Archive::scan(const Visitor& visit) {
    OpenFile file(*opener_, path_);
    const std::size_t recordSize = layout_->size();
    const std::uint64_t total = file->size() / recordSize;
    // a mapped file is read in place: a scan then touches only the bytes it looks at
    if (const std::string_view all = file->mapForReading(total * recordSize); !all.empty()) {
        for (std::uint64_t i = 0; i < total; ++i) {
            // the fields of a record lie scattered over many cache lines: asking for the
            // record after next while this one is handled keeps the scan at memory speed
            if (i + 2 < total) prefetch(all.substr((i + 2) * recordSize, recordSize));
            visit(i, all.substr(i * recordSize, recordSize));
        }
        file.close();
        return;
    }
    // otherwise many records per read, the scan being sequential and the records small
    const std::uint64_t perChunk = std::max<std::uint64_t>(1, (1u << 20) / recordSize);
    std::vector<char> buffer(perChunk * recordSize);
    for (std::uint64_t first = 0; first < total; first += perChunk) {
        const std::uint64_t n = std::min(perChunk, total - first);
        file->readAt(first * recordSize, buffer.data(), n * recordSize);
        for (std::uint64_t k = 0; k < n; ++k)
            visit(first + k, std::string_view(buffer.data() + k * recordSize, recordSize));
    }
    file.close();
}

}  // namespace custovia
