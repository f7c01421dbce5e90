#pragma once
// The platform's file layer with the faults a test asks for: tests run as root, which no
// permission bit stops, so a read-only folder or a full disk is played by this layer.
#include <filesystem>
#include <memory>

#include "archive/block_file.h"

namespace custovia::test {

// The platform's files, with the faults a test asks for.
class FaultyFiles final : public FileOpener {
public:
    bool folderRefusesNewFiles = false;  // a read-only folder
    bool folderRefusesExchange = false;  // a rename the folder (or Windows' sharing) refuses
    int writesBeforeFailure = -1;        // then one write fails half-way, as on a full disk

    std::unique_ptr<BlockFile> openOrCreate(const std::filesystem::path& p) override {
        return wrap(platformFileOpener().openOrCreate(p));
    }
    std::unique_ptr<BlockFile> openExisting(const std::filesystem::path& p) override {
        return wrap(platformFileOpener().openExisting(p));
    }
    std::unique_ptr<BlockFile> createNew(const std::filesystem::path& p) override {
        if (folderRefusesNewFiles) throw ArchiveError("permission denied");
        return wrap(platformFileOpener().createNew(p));
    }
    void replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (folderRefusesExchange) throw ArchiveError("permission denied");
        platformFileOpener().replace(from, to);
    }

private:
    class File final : public BlockFile {
    public:
        File(std::unique_ptr<BlockFile> real, int& countdown)
            : real_(std::move(real)), countdown_(countdown) {}
        std::uint64_t size() override { return real_->size(); }
        void readAt(std::uint64_t o, char* d, std::size_t n) override { real_->readAt(o, d, n); }
        std::size_t readSomeAt(std::uint64_t o, char* d, std::size_t n) override {
            return real_->readSomeAt(o, d, n);
        }
        void writeAt(std::uint64_t o, const char* d, std::size_t n) override {
            if (countdown_ >= 0 && countdown_-- == 0) {
                real_->writeAt(o, d, n / 2);
                throw ArchiveError("disk full");
            }
            real_->writeAt(o, d, n);
        }
        void lockExclusive() override { real_->lockExclusive(); }
        void unlock() override { real_->unlock(); }
        void resize(std::uint64_t n) override { real_->resize(n); }
        void flush() override { real_->flush(); }
        void close() override { real_->close(); }

    private:
        std::unique_ptr<BlockFile> real_;
        int& countdown_;
    };
    std::unique_ptr<BlockFile> wrap(std::unique_ptr<BlockFile> real) {
        return real ? std::make_unique<File>(std::move(real), writesBeforeFailure) : nullptr;
    }
};

}  // namespace custovia::test
