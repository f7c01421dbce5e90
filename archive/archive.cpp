#include "archive/archive.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
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
// A scan of a file this long shares the work with a second thread: the caller takes blocks
// from the file's start, the second thread from its end, until they meet. Two processors read
// a file from the system's cache in about half the time one takes. The second thread reads
// only what the system holds in memory: from a disk, the caller's reading straight on, which
// the system reads ahead of, is the faster, and a second reader at the file's end would only
// make the disk go back and forth.
constexpr std::uint64_t kSharedScanBytes = 8u << 20;
// What the second thread makes of its records is kept for the caller up to this much; there it
// stops and the caller reads on, so a scan's memory never grows with the file.
constexpr std::size_t kKeptBytesMax = 32u << 20;

// Hands over the selected records of a block of whole records, the first being record `first`.
void scanBlock(std::string_view all, std::uint64_t first, std::size_t recordSize,
               const Archive::Visitor& visit, const Archive::Selection& selection) {
    for (std::uint64_t i = 0; i < all.size() / recordSize; ++i) {
        const std::string_view record = all.substr(std::size_t(i) * recordSize, recordSize);
        if (!selection.keep || selection.keep(record)) visit(first + i, record);
    }
}

// Reads records [first, end) of a file in blocks into `buffer`, handing over the selected ones.
void scanRecords(BlockFile& file, std::uint64_t first, std::uint64_t end, std::size_t recordSize,
                 const Archive::Visitor& visit, const Archive::Selection& selection,
                 std::vector<char>& buffer) {
    const std::uint64_t perBlock = std::max<std::uint64_t>(1, kReadBlockBytes / recordSize);
    for (; first < end; first += perBlock) {
        const std::uint64_t n = std::min(perBlock, end - first);
        buffer.resize(std::size_t(n * recordSize));
        file.readAt(first * recordSize, buffer.data(), buffer.size());
        scanBlock(std::string_view(buffer.data(), buffer.size()), first, recordSize, visit, selection);
    }
}

// The blocks of a file handed out from both ends: the caller's from the start, the second
// thread's from the end, each block once.
class BlockClaims {
public:
    explicit BlockClaims(std::uint64_t blocks) : back_(blocks) {}
    std::optional<std::uint64_t> fromFront() {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (front_ == back_) return std::nullopt;
        return front_++;
    }
    std::optional<std::uint64_t> fromBack() {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (front_ == back_) return std::nullopt;
        return --back_;
    }
    // The block the second thread took last goes to the caller after all.
    void giveBack() {
        const std::lock_guard<std::mutex> lock(mutex_);
        ++back_;
    }

private:
    std::mutex mutex_;
    std::uint64_t front_ = 0, back_;
};

// Reads, selects and makes the records of the blocks it takes from the file's end, in a thread
// of its own, keeping what it makes (up to kKeptBytesMax in all). When it stops early (at that
// limit, at a block the system does not hold in memory, or at a failure to read, to select or
// to make) it gives its last block back: the caller reads that one and every one before it
// itself, so a failure is met again in the caller's thread, after every record before it has
// been handed over, as in a scan by the caller alone.
class BlocksFromTheEnd {
public:
    BlocksFromTheEnd(BlockFile& file, BlockClaims& claims, const Archive::Selection& selection,
                     const Archive::Make& make, std::size_t recordSize, std::uint64_t total)
        : file_(file),
          claims_(claims),
          selection_(selection),
          make_(make),
          recordSize_(recordSize),
          total_(total) {
        thread_ = std::thread([this] { takeBlocks(); });
    }
    BlocksFromTheEnd(const BlocksFromTheEnd&) = delete;
    BlocksFromTheEnd& operator=(const BlocksFromTheEnd&) = delete;
    // On every path (a visitor's exception included) the thread is stopped and waited for.
    ~BlocksFromTheEnd() {
        stopping_ = true;
        if (thread_.joinable()) thread_.join();
    }

    void wait() { thread_.join(); }
    // Hands over what the thread made, in the file's order; after wait().
    void handOver(const std::function<void(std::uint64_t, std::string&)>& take) {
        for (auto block = blocks_.rbegin(); block != blocks_.rend(); ++block)
            for (Made& made : *block) take(made.index, made.text);
    }

private:
    struct Made {
        std::uint64_t index;
        std::string text;
    };
    struct Stop {};

    void takeBlocks() noexcept {
        const std::uint64_t perBlock = std::max<std::uint64_t>(1, kReadBlockBytes / recordSize_);
        std::vector<char> buffer;
        while (const std::optional<std::uint64_t> block = claims_.fromBack()) {
            try {
                const std::uint64_t first = *block * perBlock;
                buffer.resize(std::size_t(std::min(perBlock, total_ - first) * recordSize_));
                if (!file_.readAtIfHeld(first * recordSize_, buffer.data(), buffer.size())) throw Stop();
                blocks_.push_back(makeBlock(std::string_view(buffer.data(), buffer.size()), first));
            } catch (...) {
                claims_.giveBack();  // the caller meets the failure, or goes on, from there
                return;
            }
        }
    }

    std::vector<Made> makeBlock(std::string_view records, std::uint64_t first) {
        std::vector<Made> made;
        std::size_t bytes = 0;
        for (std::size_t at = 0; at < records.size(); at += recordSize_) {
            if (stopping_) throw Stop();
            const std::string_view record = records.substr(at, recordSize_);
            if (selection_.keep && !selection_.keep(record)) continue;
            made.push_back({first + at / recordSize_, make_(record)});
            bytes += made.back().text.size();
        }
        if (keptBytes_ + bytes > kKeptBytesMax) throw Stop();
        keptBytes_ += bytes;
        return made;
    }

    BlockFile& file_;
    BlockClaims& claims_;
    const Archive::Selection& selection_;
    const Archive::Make& make_;
    const std::size_t recordSize_;
    const std::uint64_t total_;
    std::vector<std::vector<Made>> blocks_;  // from the last block of the file backwards
    std::size_t keptBytes_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

// Closes the file on every path; a failing close after a successful action is reported.
class OpenFile {
public:
    OpenFile(FileOpener& opener, const std::filesystem::path& path) : file_(opener.openOrCreate(path)) {}
    ~OpenFile() = default;
    BlockFile* operator->() { return file_.get(); }
    BlockFile& operator*() { return *file_; }
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
    // the caller reads alone: a second thread would have to copy every record it kept
    scanShared(visit, {}, {}, selection, false);
}

void Archive::scanMaking(const Make& make, const Take& take, const Selection& selection,
                         const Visitor& handleHere) {
    const Visitor makeAndTake = [&](std::uint64_t index, std::string_view record) {
        take(index, make(record));
    };
    scanShared(
        handleHere ? handleHere : makeAndTake, make,
        [&take](std::uint64_t index, std::string& made) { take(index, std::move(made)); }, selection, true);
}

void Archive::scanShared(const Visitor& visit, const Make& makeAhead,
                         const std::function<void(std::uint64_t, std::string&)>& takeMade,
                         const Selection& selection, bool shared) {
    OpenFile file(*opener_, path_);
    const std::size_t recordSize = layout_->size();
    const std::uint64_t total = file->size() / recordSize;
    if (shared && total * recordSize >= kSharedScanBytes) {
        const std::uint64_t perBlock = std::max<std::uint64_t>(1, kReadBlockBytes / recordSize);
        BlockClaims claims((total + perBlock - 1) / perBlock);
        std::vector<char> buffer;
        const auto readFromTheStart = [&] {
            while (const std::optional<std::uint64_t> block = claims.fromFront())
                scanRecords(*file, *block * perBlock, std::min(total, (*block + 1) * perBlock), recordSize,
                            visit, selection, buffer);
        };
        BlocksFromTheEnd fromTheEnd(*file, claims, selection, makeAhead, recordSize, total);
        readFromTheStart();
        fromTheEnd.wait();
        readFromTheStart();  // the block the second thread gave back, when it stopped early
        fromTheEnd.handOver(takeMade);
    } else {
        std::vector<char> buffer;
        scanRecords(*file, 0, total, recordSize, visit, selection, buffer);
    }
    file.close();
}

}  // namespace custovia
