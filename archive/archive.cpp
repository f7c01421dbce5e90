#include "archive/archive.h"

#include <algorithm>
#include <array>
#include <vector>

namespace custovia {
namespace {

void prefetch(const char* at) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(at);
#else
    (void)at;
#endif
}

// Asks for the byte ranges [begin, end) of a record.
using Ranges = std::vector<std::pair<std::size_t, std::size_t>>;

void fetch(const char* record, const Ranges& ranges) {
    for (const auto& [begin, end] : ranges) {
        for (std::size_t at = begin; at < end; at += 64) prefetch(record + at);
        prefetch(record + end - 1);
    }
}

Ranges fieldRanges(const RecordLayout& layout, const std::vector<std::size_t>& fields) {
    Ranges ranges;
    for (const std::size_t f : fields)
        ranges.emplace_back(layout.offset(f), layout.offset(f) + 1 + std::size_t(layout.field(f).capacity));
    return ranges;
}

// The fields of a whole record lie over many cache lines: asking for the record after next
// while this one is handled keeps a scan at memory speed. A selection's few fields are asked
// for further ahead, and decided on a few records ahead, so a kept record is whole in the
// cache by its turn while a left-out one costs a line or two.
constexpr std::uint64_t kWholeAhead = 2;
constexpr std::uint64_t kDecideAhead = 6;
constexpr std::uint64_t kFieldsAhead = 16;
// A scan reads this much at a time into one buffer used again and again: the block is still
// in the processor's cache while its records are handled, so a scan costs about what reading
// the file costs, however the system holds the file's pages (a map of a file grown a card at
// a time, in small pages, cost three times its read), and never needs memory in proportion
// to the file.
constexpr std::uint64_t kReadBlockBytes = 256u << 10;

// Hands over the selected records of a block of whole records, the first being record `first`.
void scanBlock(std::string_view all, std::uint64_t first, std::size_t recordSize, const RecordLayout& layout,
               const Archive::Visitor& visit, const Archive::Selection& selection) {
    const std::uint64_t total = all.size() / recordSize;
    const auto record = [&](std::uint64_t i) { return all.substr(i * recordSize, recordSize); };
    const Ranges whole{{0, recordSize}};
    if (selection.keepReads.empty() || !selection.keep) {
        for (std::uint64_t i = 0; i < total; ++i) {
            if (i + kWholeAhead < total) fetch(record(i + kWholeAhead).data(), whole);
            if (!selection.keep || selection.keep(record(i))) visit(first + i, record(i));
        }
        return;
    }
    const Ranges keepRanges = fieldRanges(layout, selection.keepReads);
    std::array<bool, kDecideAhead + 1> kept{};  // the decisions not yet acted on, by index
    const auto decide = [&](std::uint64_t i) {
        kept[i % kept.size()] = selection.keep(record(i));
        if (kept[i % kept.size()]) fetch(record(i).data(), whole);
    };
    for (std::uint64_t i = 0; i < std::min(total, kDecideAhead); ++i) decide(i);
    for (std::uint64_t i = 0; i < total; ++i) {
        if (i + kFieldsAhead < total) fetch(record(i + kFieldsAhead).data(), keepRanges);
        if (i + kDecideAhead < total) decide(i + kDecideAhead);
        if (kept[i % kept.size()]) visit(first + i, record(i));
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
        scanBlock(std::string_view(buffer.data(), std::size_t(n * recordSize)), first, recordSize, *layout_,
                  visit, selection);
    }
    file.close();
}

}  // namespace custovia
