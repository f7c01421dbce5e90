#include <gtest/gtest.h>

#include "tests/support/files.h"
#include "tests/support/workers.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <cstdlib>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <thread>

#include "archive/archive.h"
#include "archive/memory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace custovia {
namespace {

const RecordLayout kLayout{{"txtNome", 20}, {"txtSerial", 10}};

class ArchiveTest : public ::testing::Test {
protected:
    std::filesystem::path file() const { return folder_.path() / "Archivio.pro"; }
    Record card(const std::string& name) const {
        Record r(kLayout);
        r.set(0, name);
        return r;
    }
    std::uintmax_t size() const { return std::filesystem::file_size(file()); }

    test::TempFolder folder_;
};

TEST_F(ArchiveTest, MissingArchiveIsCreatedEmptyAndGrowsByOneRecord) {
    Archive archive(file(), kLayout);
    EXPECT_EQ(archive.count(), 0u);
    EXPECT_TRUE(std::filesystem::exists(file()));
    EXPECT_EQ(archive.append(card("uno")), 0u);
    EXPECT_EQ(size(), kLayout.size());
    EXPECT_EQ(archive.append(card("due")), 1u);
    archive.update(0, card("primo"));
    EXPECT_EQ(size(), 2 * kLayout.size());  // an update never changes the size
    EXPECT_EQ(archive.load(0).get(0), "primo");
    EXPECT_EQ(archive.load(1).get(0), "due");
    EXPECT_THROW(archive.load(2), ArchiveError);
}

TEST_F(ArchiveTest, TrailingPartialRecordIsNeitherCountedNorReadAndIsOverwritten) {
    Archive archive(file(), kLayout);
    archive.append(card("uno"));
    {
        std::ofstream out(file(), std::ios::binary | std::ios::app);
        out << "partial";
    }
    EXPECT_EQ(archive.count(), 1u);
    int seen = 0;
    archive.scan([&](std::uint64_t, std::string_view) { ++seen; });
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(archive.append(card("due")), 1u);
    EXPECT_EQ(size(), 2 * kLayout.size());
    EXPECT_EQ(archive.load(1).get(0), "due");
}

TEST_F(ArchiveTest, ExistingArchiveThatCannotBeOpenedIsReportedAndNeverEmptied) {
    // a folder where the archive should be cannot be opened as a file
    std::filesystem::create_directory(file());
    std::filesystem::create_directory(file() / "keep");
    Archive archive(file(), kLayout);
    EXPECT_THROW(archive.count(), ArchiveError);
    EXPECT_THROW(archive.append(card("x")), ArchiveError);
    EXPECT_TRUE(std::filesystem::exists(file() / "keep"));
}

// Fails every write after the given number of successful ones, as a full disk would.
class FullDiskOpener final : public FileOpener {
public:
    class File final : public BlockFile {
    public:
        explicit File(std::unique_ptr<BlockFile> real) : real_(std::move(real)) {}
        std::uint64_t size() override { return real_->size(); }
        void readAt(std::uint64_t o, char* d, std::size_t n) override { real_->readAt(o, d, n); }
        std::size_t readSomeAt(std::uint64_t o, char* d, std::size_t n) override {
            return real_->readSomeAt(o, d, n);
        }
        void writeAt(std::uint64_t, const char*, std::size_t) override { throw ArchiveError("disk full"); }
        void lockExclusive() override { real_->lockExclusive(); }
        void unlock() override { real_->unlock(); }
        void close() override { real_->close(); }

    private:
        std::unique_ptr<BlockFile> real_;
    };
    std::unique_ptr<BlockFile> openOrCreate(const std::filesystem::path& p) override {
        return std::make_unique<File>(platformFileOpener().openOrCreate(p));
    }
};

TEST_F(ArchiveTest, FailedWriteIsReportedAndLeavesTheFileAsItWas) {
    Archive good(file(), kLayout);
    good.append(card("uno"));
    FullDiskOpener full;
    Archive archive(file(), kLayout, full);
    EXPECT_THROW(archive.append(card("due")), ArchiveError);
    EXPECT_THROW(archive.update(0, card("due")), ArchiveError);
    EXPECT_EQ(good.count(), 1u);
    EXPECT_EQ(good.load(0).get(0), "uno");
    // the lock taken for the failed append was released with the file
    EXPECT_EQ(good.append(card("tre")), 1u);
}

TEST_F(ArchiveTest, AnUpdateBeyondTheEndOfAVanishedOrShrunkFileWritesNothing) {
    Archive archive(file(), kLayout);
    for (int i = 0; i < 3; ++i) archive.append(card("scheda"));
    std::filesystem::resize_file(file(), 2 * kLayout.size() + 5);  // shrank, a partial record left
    EXPECT_THROW(archive.update(2, card("terza")), ArchiveError);
    EXPECT_EQ(size(), 2 * kLayout.size() + 5);
    std::filesystem::remove(file());
    EXPECT_THROW(archive.update(19, card("ventesima")), ArchiveError);
    EXPECT_EQ(size(), 0u);                         // never a file of empty records before it
    EXPECT_EQ(archive.append(card("nuova")), 0u);  // an append still grows it
}

TEST_F(ArchiveTest, ScanVisitsEveryRecordInOrderAcrossItsReads) {
    const int n = 100000;  // several reads
    {
        std::string bytes;
        for (int i = 0; i < n; ++i) {
            Record r(kLayout);
            r.set(1, std::to_string(i));
            bytes += r.bytes();
        }
        bytes += "partial";
        std::ofstream(file(), std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    }
    {
        Archive archive(file(), kLayout);
        std::uint64_t expected = 0;
        archive.scan([&](std::uint64_t index, std::string_view bytes) {
            ASSERT_EQ(index, expected);
            ASSERT_EQ(Record(kLayout, bytes).get(1), std::to_string(expected));
            ++expected;
        });
        EXPECT_EQ(expected, std::uint64_t(n));

        // a selection hands over only its records, in order
        const auto everyThird = [](std::string_view bytes) {
            return std::stoi(Record(kLayout, bytes).get(1)) % 3 == 0;
        };
        std::vector<std::uint64_t> kept;
        archive.scan(
            [&](std::uint64_t index, std::string_view bytes) {
                ASSERT_EQ(Record(kLayout, bytes).get(1), std::to_string(index));
                ASSERT_EQ(index % 3, 0u);
                kept.push_back(index);
            },
            {everyThird});
        ASSERT_EQ(kept.size(), std::size_t(n + 2) / 3);
        EXPECT_EQ(kept.front(), 0u);
        EXPECT_EQ(kept.back(), std::uint64_t(n - 1) / 3 * 3);
        EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
    }
}

// A long file's scans that make rows are shared with a second thread, which keeps what it makes
// up to a limit and leaves the rest, and any failure, to the caller. Records of 1,000 bytes whose
// first eight hold their own number make a file long enough for both (80 MB) quickly.
class LongScanTest : public ArchiveTest {
protected:
    static constexpr std::uint64_t kRecords = 80000;
    const RecordLayout layout{{"txtA", 249}, {"txtB", 249}, {"txtC", 249}, {"txtD", 249}};

    void SetUp() override {
        std::string bytes(std::size_t(kRecords * layout.size()), ' ');
        for (std::uint64_t i = 0; i < kRecords; ++i) {
            char* record = bytes.data() + i * layout.size();
            record[0] = 8;
            std::memcpy(record + 1, &i, 8);
        }
        test::writeBytes(file(), bytes);
    }
    static std::uint64_t numberOf(std::string_view record) {
        std::uint64_t n = 0;
        std::memcpy(&n, record.data() + 1, 8);
        return n;
    }
    // A scan that makes a copy of each selected record (shared with a second thread on this
    // long file, which stops at its limit when it keeps most of its half), the records' places
    // kept in `made` as they are handed over.
    static void scanMaking(Archive& archive, const Archive::Selection& selection,
                           std::vector<std::uint64_t>& made) {
        archive.scanMaking([](std::string_view r) { return std::string(r); },
                           [&](std::uint64_t index, std::string copy) {
                               EXPECT_EQ(numberOf(copy), index);
                               made.push_back(index);
                           },
                           selection);
    }
    // The numbers of the records a scan hands over, each checked against its place.
    std::vector<std::uint64_t> scanned(Archive& archive, const Archive::Selection& selection) {
        std::vector<std::uint64_t> seen;
        archive.scan(
            [&](std::uint64_t index, std::string_view record) {
                EXPECT_EQ(numberOf(record), index);
                seen.push_back(index);
            },
            selection);
        return seen;
    }
};

// Every read that covers a given byte fails, in whichever thread reads it; and the system may
// hold none of the file in memory.
class FailingReadsOpener final : public FileOpener {
public:
    explicit FailingReadsOpener(std::uint64_t at, bool held = true) : at_(at), held_(held) {}
    class File final : public BlockFile {
    public:
        File(std::unique_ptr<BlockFile> real, std::uint64_t at, bool held)
            : real_(std::move(real)), at_(at), held_(held) {}
        std::uint64_t size() override { return real_->size(); }
        void readAt(std::uint64_t o, char* d, std::size_t n) override {
            if (o <= at_ && at_ < o + n) throw ArchiveError("unreadable sector");
            real_->readAt(o, d, n);
        }
        bool readAtIfHeld(std::uint64_t o, char* d, std::size_t n) override {
            if (!held_) return false;
            readAt(o, d, n);
            return true;
        }
        std::size_t readSomeAt(std::uint64_t o, char* d, std::size_t n) override {
            return real_->readSomeAt(o, d, n);
        }
        void writeAt(std::uint64_t o, const char* d, std::size_t n) override { real_->writeAt(o, d, n); }
        void lockExclusive() override { real_->lockExclusive(); }
        void unlock() override { real_->unlock(); }
        void close() override { real_->close(); }

    private:
        std::unique_ptr<BlockFile> real_;
        const std::uint64_t at_;
        const bool held_;
    };
    std::unique_ptr<BlockFile> openOrCreate(const std::filesystem::path& p) override {
        return std::make_unique<File>(platformFileOpener().openOrCreate(p), at_, held_);
    }

private:
    const std::uint64_t at_;
    const bool held_;
};

TEST_F(LongScanTest, HandsOverTheSelectedRecordsOnceEachInOrderHoweverManyAreKept) {
    const struct {
        const char* name;
        std::function<bool(std::uint64_t)> kept;
    } cases[] = {
        {"a few", [](std::uint64_t n) { return n % 97 == 5; }},
        {"every third", [](std::uint64_t n) { return n % 3 == 0; }},
        {"all: more than the second thread may copy", [](std::uint64_t) { return true; }},
        {"the second half only", [](std::uint64_t n) { return n >= kRecords / 2; }},
        {"the last only", [](std::uint64_t n) { return n == kRecords - 1; }},
        {"none", [](std::uint64_t) { return false; }},
    };
    // the file as the system holds it (in memory, after its writing), and held nowhere: the
    // caller then reads it all
    FailingReadsOpener nothingHeld(~std::uint64_t(0), false);
    Archive held(file(), layout), onDisk(file(), layout, nothingHeld);
    for (const auto& c : cases)
        for (Archive* archive : {&held, &onDisk}) {
            std::vector<std::uint64_t> expected;
            for (std::uint64_t n = 0; n < kRecords; ++n)
                if (c.kept(n)) expected.push_back(n);
            const Archive::Selection selection{[&](std::string_view r) { return c.kept(numberOf(r)); }};
            EXPECT_EQ(scanned(*archive, selection), expected) << c.name;
            // what is made of each record comes in the same order, whichever thread made it
            std::vector<std::uint64_t> made;
            scanMaking(*archive, selection, made);
            EXPECT_EQ(made, expected) << c.name;
        }
}

TEST_F(LongScanTest, AFailureInTheSecondHalfIsReportedAfterEveryRecordBeforeItWasHandedOver) {
    // near the end, where the second thread reads first, long before the caller gets there
    const std::uint64_t unreadable = kRecords - 1500;
    FailingReadsOpener failing(unreadable * layout.size());
    Archive archive(file(), layout, failing);
    const auto everyThird = [](std::string_view r) { return numberOf(r) % 3 == 0; };
    std::vector<std::uint64_t> seen;
    EXPECT_THROW(scanMaking(archive, {everyThird}, seen), ArchiveError);
    // every third record up to the block that could not be read, once each, in order
    ASSERT_FALSE(seen.empty());
    EXPECT_LT(seen.back(), unreadable);
    EXPECT_GT(seen.back() + 1100, unreadable);  // a read is about 1,050 records
    for (std::size_t k = 0; k < seen.size(); ++k) ASSERT_EQ(seen[k], 3 * k);
}

TEST_F(LongScanTest, AnExceptionOfTheSelectionOrOfTheVisitorLeavesTheScanInTheCallersThread) {
    Archive archive(file(), layout);
    // the refused records: one in the second thread's part; the last, which that thread takes
    // first and refuses late, when the caller may be done with every other block
    for (const std::uint64_t refused : {kRecords * 3 / 4, kRecords - 1}) {
        std::vector<std::uint64_t> seen;
        const auto refusing = [&](std::string_view r) {
            if (numberOf(r) != refused) return numberOf(r) % 2 == 0;
            if (refused == kRecords - 1) std::this_thread::sleep_for(std::chrono::milliseconds(300));
            throw std::runtime_error("unreadable card");
        };
        EXPECT_THROW(scanMaking(archive, {refusing}, seen), std::runtime_error);
        ASSERT_EQ(seen.size(), (refused + 1) / 2);  // every even record before the refused one
        EXPECT_EQ(seen.back() / 2, (refused - 1) / 2);
    }

    const auto stopping = [](std::uint64_t index, std::string) {
        if (index == 10) throw std::runtime_error("window closed");
    };
    EXPECT_THROW(archive.scanMaking([](std::string_view r) { return std::string(r); }, stopping),
                 std::runtime_error);
}

#if defined(__GLIBC__)
// The allocator's settings take effect: a block of a few megabytes (a scan's buffer, the rows of
// a large search) comes from the heap, where it is found again once freed, instead of from a
// mapping of its own that every search would fault in afresh.
TEST(Memory, LargeBlocksComeFromTheHeapWhereFreedMemoryIsKept) {
    keepFreedMemoryForReuse();
    const auto mappedBefore = mallinfo2().hblks;
    const auto block = std::make_unique<char[]>(4u << 20);
    block[0] = 1;
    EXPECT_EQ(mallinfo2().hblks, mappedBefore);
}
#endif

TEST_F(ArchiveTest, TwoProcessesAppendingAtOnceKeepEveryCardAndAReaderIsNeverRefused) {
    Archive(file(), kLayout).count();  // both writers find the archive there
    std::atomic<int> running{2};
    auto worker = [&](const char* tag) {
        const int status = test::runWorkerProcess("append", {file().string(), "1000", tag});
        --running;
        return status;
    };
    int resultA = -1, resultB = -1;
    std::thread a([&] { resultA = worker("A"); });
    std::thread b([&] { resultB = worker("B"); });
    // another workstation loads, counts and scans meanwhile: the appenders' lock never
    // refuses it (on Windows byte-range locks are mandatory)
    int reads = 0, refused = 0;
    std::string firstRefusal;
    Archive reader(file(), kLayout);
    do {
        try {
            const std::uint64_t n = reader.count();
            if (n > 0) reader.load(n - 1);
            reader.scan([](std::uint64_t, std::string_view) {});
            ++reads;
        } catch (const ArchiveError& e) {
            if (refused++ == 0) firstRefusal = e.what();
        }
    } while (running > 0);
    a.join();
    b.join();
    ASSERT_EQ(resultA, 0);
    ASSERT_EQ(resultB, 0);
    EXPECT_EQ(refused, 0) << firstRefusal;
    EXPECT_GT(reads, 0);

    Archive archive(file(), kLayout);
    ASSERT_EQ(size(), 2000 * kLayout.size());
    std::set<std::string> seen;
    archive.scan([&](std::uint64_t, std::string_view bytes) {
        const Record r(kLayout, bytes);
        seen.insert(r.get(0) + "/" + r.get(1));
    });
    EXPECT_EQ(seen.size(), 2000u);
    for (const char* tag : {"A", "B"})
        for (int i = 0; i < 1000; ++i) EXPECT_TRUE(seen.count(std::string(tag) + "/" + std::to_string(i)));
}

#ifdef _WIN32
// Windows byte-range locks are mandatory (a locked byte refuses other handles' reads and
// writes), and Wine keeps the same lock table without refusing reads: so the test asks that
// table whether any data byte is locked while an append holds its lock.
TEST_F(ArchiveTest, TheAppendLockLeavesEveryDataByteFreeForOtherWorkstations) {
    Archive archive(file(), kLayout);
    for (int i = 0; i < 3; ++i) archive.append(card("uno"));
    auto appender = platformFileOpener().openOrCreate(file());
    appender->lockExclusive();
    HANDLE other =
        CreateFileW(file().c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    OVERLAPPED from0{};
    // the data and far past it, as a reader or an update would touch them
    const BOOL free =
        LockFileEx(other, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 0x40000000, 0, &from0);
    EXPECT_TRUE(free) << "error " << GetLastError();
    if (free) UnlockFileEx(other, 0, 0x40000000, 0, &from0);
    // and a second appender waits for the first
    auto second = platformFileOpener().openOrCreate(file());
    std::atomic<bool> locked{false};
    std::thread waiting([&] {
        second->lockExclusive();
        locked = true;
        second->unlock();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(locked);
    appender->unlock();
    waiting.join();
    EXPECT_TRUE(locked);
    CloseHandle(other);
    appender->close();
    second->close();
}
#endif

}  // namespace
}  // namespace custovia
