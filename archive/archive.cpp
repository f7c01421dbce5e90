#include "archive/archive.h"

#include <algorithm>
#include <array>
#include <chrono>
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
// Reads of this size stay in the processor's cache while their records are handled; maps are
// made a window of this size at a time, so a scan never ties up address space in proportion
// to the file.
constexpr std::uint64_t kReadBlockBytes = 1u << 20;
constexpr std::uint64_t kMapWindowBytes = 64u << 20;
// A scan of a large file tries each way on this much of it, then takes the cheaper for the
// rest; a smaller file is read, either way being quick.
constexpr std::uint64_t kProbeBytes = 4u << 20;
constexpr std::uint64_t kChooseFrom = 32u << 20;

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
    BlockFile& get() { return *file_; }
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

namespace {

// Hands the records of a scan over, reaching them one way or the other.
class RecordScan {
public:
    RecordScan(BlockFile& file, const RecordLayout& layout, const Archive::Visitor& visit,
               const Archive::Selection& selection)
        : file_(file), layout_(layout), recordSize_(layout.size()), visit_(visit), selection_(selection) {}

    // Records [first, first + count), read many at a time into one buffer used again and again.
    void read(std::uint64_t first, std::uint64_t count) {
        const std::uint64_t perBlock = std::max<std::uint64_t>(1, kReadBlockBytes / recordSize_);
        buffer_.resize(std::size_t(std::min(perBlock, count) * recordSize_));
        for (std::uint64_t at = first; at < first + count; at += perBlock) {
            const std::uint64_t n = std::min(perBlock, first + count - at);
            file_.readAt(at * recordSize_, buffer_.data(), n * recordSize_);
            handle(std::string_view(buffer_.data(), n * recordSize_), at);
        }
    }

    // The same through maps of the file, a window at a time; the records not handled when
    // the file cannot be mapped (none, or the rest) are read.
    void map(std::uint64_t first, std::uint64_t count) {
        const std::uint64_t perWindow = std::max<std::uint64_t>(1, kMapWindowBytes / recordSize_);
        for (std::uint64_t at = first; at < first + count; at += perWindow) {
            const std::uint64_t n = std::min(perWindow, first + count - at);
            const std::string_view window = file_.mapForReading(at * recordSize_, n * recordSize_);
            if (window.empty()) return read(at, first + count - at);
            handle(window, at);
        }
    }

private:
    void handle(std::string_view records, std::uint64_t first) {
        scanBlock(records, first, recordSize_, layout_, visit_, selection_);
    }

    BlockFile& file_;
    const RecordLayout& layout_;
    const std::size_t recordSize_;
    const Archive::Visitor& visit_;
    const Archive::Selection& selection_;
    std::vector<char> buffer_;
};

// Which way costs less for this file, tried on its first records, which are handed over on
// the way. How the system holds a file's pages decides it: a file written in large blocks is
// mapped for less than it is read, one grown a card at a time (small pages) is read for a
// third of what its map costs. The clock only chooses how the records are reached, never
// which records a scan hands over.
ScanAccess chooseAccess(RecordScan& scan, std::uint64_t probe, std::uint64_t& handled) {
    using Steady = std::chrono::steady_clock;
    const auto start = Steady::now();
    scan.read(0, probe);
    const auto read = Steady::now();
    scan.map(probe, probe);
    const auto mapped = Steady::now();
    handled = 2 * probe;
    return mapped - read < read - start ? ScanAccess::Map : ScanAccess::Read;
}

}  // namespace

void Archive::scan(const Visitor& visit, const Selection& selection) {
    OpenFile file(*opener_, path_);
    const std::size_t recordSize = layout_->size();
    const std::uint64_t total = file->size() / recordSize;
    RecordScan scan(file.get(), *layout_, visit, selection);
    ScanAccess access = access_;
    std::uint64_t handled = 0;
    if (access == ScanAccess::Chosen) {
        const std::uint64_t probe = std::max<std::uint64_t>(1, kProbeBytes / recordSize);
        access = total * recordSize >= kChooseFrom ? chooseAccess(scan, probe, handled) : ScanAccess::Read;
    }
    if (access == ScanAccess::Map)
        scan.map(handled, total - handled);
    else
        scan.read(handled, total - handled);
    file.close();
}

}  // namespace custovia
