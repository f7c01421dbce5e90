#include <gtest/gtest.h>

#include "tests/support/files.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <thread>

#include "archive/archive.h"

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

TEST_F(ArchiveTest, ScanVisitsEveryRecordInOrderMappedOrReadInChunks) {
    const int n = 40000;  // more than one read chunk
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
    FullDiskOpener unmapped;  // reads, as a file that cannot be mapped is read
    for (FileOpener* opener : {&platformFileOpener(), static_cast<FileOpener*>(&unmapped)}) {
        Archive archive(file(), kLayout, *opener);
        std::uint64_t expected = 0;
        archive.scan([&](std::uint64_t index, std::string_view bytes) {
            ASSERT_EQ(index, expected);
            ASSERT_EQ(Record(kLayout, bytes).get(1), std::to_string(expected));
            ++expected;
        });
        EXPECT_EQ(expected, std::uint64_t(n));
    }
}

TEST_F(ArchiveTest, TwoProcessesAppendingAtOnceKeepEveryCard) {
    const std::string helper = CUSTOVIA_TEST_HELPER;
    auto worker = [&](const char* tag) {
        const std::string command = "'" + helper + "' --worker append '" + file().string() + "' 1000 " + tag;
        return std::system(command.c_str());
    };
    int resultA = -1, resultB = -1;
    std::thread a([&] { resultA = worker("A"); });
    std::thread b([&] { resultB = worker("B"); });
    a.join();
    b.join();
    ASSERT_EQ(resultA, 0);
    ASSERT_EQ(resultB, 0);

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

}  // namespace
}  // namespace custovia
