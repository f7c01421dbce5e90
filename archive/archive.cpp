#include "archive/archive.h"

#include <algorithm>
#include <vector>

namespace custovia {
namespace {

// A scan reads this much at a time into one buffer used again and again: large enough that
// the calls to the system cost nothing next to the copy, small enough to stay in the
// processor's cache while its records are handled. So a scan costs about what reading the
// file costs, however the system holds the file's pages (a map of a file grown a card at a
// time, in small pages, cost three times its read), and never needs memory in proportion to
// the file.
constexpr std::uint64_t kReadBlockBytes = 1u << 20;

// Hands over the selected records of a block of whole records, the first being record `first`.
void scanBlock(std::string_view all, std::uint64_t first, std::size_t recordSize,
               const Archive::Visitor& visit, const Archive::Selection& selection) {
    for (std::uint64_t i = 0; i < all.size() / recordSize; ++i) {
        const std::string_view record = all.substr(std::size_t(i) * recordSize, recordSize);
        if (!selection.keep || selection.keep(record)) visit(first + i, record);
    }
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
    // the card's record is gone (the file vanished or shrank meanwhile): writing it would
    // fill the gap before it with empty records, so only an append grows a file
    if (index >= file->size() / layout_->size()) throw ArchiveError("update past the end");
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

void Archive::scan(const Visitor& visit, const Selection& selection) {
    OpenFile file(*opener_, path_);
    const std::size_t recordSize = layout_->size();
    const std::uint64_t total = file->size() / recordSize;
    const std::uint64_t perBlock = std::max<std::uint64_t>(1, kReadBlockBytes / recordSize);
    std::vector<char> buffer(std::size_t(std::min(perBlock, total) * recordSize));
    for (std::uint64_t first = 0; first < total; first += perBlock) {
        const std::uint64_t n = std::min(perBlock, total - first);
        file->readAt(first * recordSize, buffer.data(), std::size_t(n * recordSize));
        scanBlock(std::string_view(buffer.data(), std::size_t(n * recordSize)), first, recordSize, visit,
                  selection);
    }
    file.close();
}

}  // namespace custovia
