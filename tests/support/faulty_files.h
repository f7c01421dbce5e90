#pragma once
// The platform's file layer with the faults a test asks for: tests run as root, which no
// permission bit stops, so a read-only folder or a full disk is played by this layer.
#include <filesystem>
#include <functional>
#include <memory>

#include "archive/block_file.h"

namespace custovia::test {

// The platform's files, with the faults a test asks for.
class FaultyFiles final : public FileOpener {
public:
    bool folderRefusesNewFiles = false;  // a read-only folder
    bool folderRefusesExchange = false;  // a rename the folder (or Windows' sharing) refuses
    int writesBeforeFailure = -1;        // then one write fails half-way, as on a full disk
    bool flushFails = false;             // the last buffered data do not reach the disk
    // A crash after this many changes (writes, resizes, renames): nothing the program does
    // after them reaches the disk (each later change fails and changes nothing).
    int changesBeforeCrash = -1;
    bool crashed = false;  // the crash came: a change was refused

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
        change();
        platformFileOpener().replace(from, to);
    }

private:
    void change() {
        if (changesBeforeCrash == 0) {
            crashed = true;
            throw ArchiveError("crashed");
        }
        if (changesBeforeCrash > 0) --changesBeforeCrash;
    }
    class File final : public BlockFile {
    public:
        File(std::unique_ptr<BlockFile> real, FaultyFiles& faults)
            : real_(std::move(real)), faults_(faults) {}
        std::uint64_t size() override { return real_->size(); }
        void readAt(std::uint64_t o, char* d, std::size_t n) override { real_->readAt(o, d, n); }
        std::size_t readSomeAt(std::uint64_t o, char* d, std::size_t n) override {
            return real_->readSomeAt(o, d, n);
        }
        void writeAt(std::uint64_t o, const char* d, std::size_t n) override {
            change();
            if (faults_.writesBeforeFailure >= 0 && faults_.writesBeforeFailure-- == 0) {
                real_->writeAt(o, d, n / 2);
                throw ArchiveError("disk full");
            }
            real_->writeAt(o, d, n);
        }
        void lockExclusive() override { real_->lockExclusive(); }
        void unlock() override { real_->unlock(); }
        void resize(std::uint64_t n) override {
            change();
            real_->resize(n);
        }
        void flush() override {
            if (faults_.flushFails) throw ArchiveError("disk full");
            real_->flush();
        }
        void close() override { real_->close(); }

    private:
        void change() { faults_.change(); }
        std::unique_ptr<BlockFile> real_;
        FaultyFiles& faults_;
    };
    std::unique_ptr<BlockFile> wrap(std::unique_ptr<BlockFile> real) {
        return real ? std::make_unique<File>(std::move(real), *this) : nullptr;
    }
};

// Plays a crash at every moment of a write: `write` runs again and again with the crash after
// 0, 1, 2... changes (the files' other faults as they are) until a run makes all its changes;
// `look` is told after each run how many changes were allowed and whether the crash came.
// Returns the number of runs, 0 when a write never ended.
inline int crashAtEveryMoment(FaultyFiles& files, const std::function<void()>& write,
                              const std::function<void(int changes, bool crashed)>& look) {
    for (int changes = 0; changes < 100; ++changes) {
        files.changesBeforeCrash = changes;
        files.crashed = false;
        write();
        const bool crashed = files.crashed;
        files.changesBeforeCrash = -1;
        files.crashed = false;
        look(changes, crashed);
        if (!crashed) return changes + 1;
    }
    return 0;
}

}  // namespace custovia::test
