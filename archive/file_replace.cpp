#include "archive/file_replace.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <random>

namespace custovia {
namespace {

namespace fs = std::filesystem;

// Seeded once per process from the system's random source and the clock, so two
// workstations (or two copies of the program on one) never draw the same names.
std::uint64_t uniqueNumber() {
    static std::mutex guard;
    static std::mt19937_64 random = [] {
        std::random_device device;
        const auto now = std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
        std::seed_seq seed{device(), device(), device(), unsigned(now), unsigned(now >> 32)};
        return std::mt19937_64(seed);
    }();
    const std::lock_guard lock(guard);
    return random();
}

// A new temporary file beside the target, or nothing when the folder refuses one.
std::unique_ptr<BlockFile> createTemporary(const fs::path& target, FileOpener& files, fs::path& name) {
    // a name already taken (by a user's file, say) is left alone and another one drawn
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = temporaryNameBeside(target);
        try {
            if (auto file = files.createNew(name)) return file;
        } catch (const ArchiveError&) {
            return nullptr;
        }
    }
    return nullptr;
}

void rewriteInPlace(const fs::path& target, std::string_view bytes, FileOpener& files) {
    auto file = files.openExisting(target);
    const std::uint64_t oldSize = file->size();
    std::string old(oldSize, '\0');
    file->readAt(0, old.data(), old.size());
    try {
        if (bytes.size() > oldSize) file->writeAt(oldSize, bytes.data() + oldSize, bytes.size() - oldSize);
        file->writeAt(0, bytes.data(), std::min<std::size_t>(oldSize, bytes.size()));
        if (bytes.size() < oldSize) file->resize(bytes.size());
        file->flush();
    } catch (const ArchiveError&) {
        try {
            file->writeAt(0, old.data(), old.size());
            file->resize(oldSize);
            file->flush();
        } catch (const ArchiveError&) {
        }
        throw;
    }
    auto closing = std::move(file);
    closing->close();
}

}  // namespace

fs::path temporaryNameBeside(const fs::path& target) {
    char unique[20];
    std::snprintf(unique, sizeof unique, ".%016llx", static_cast<unsigned long long>(uniqueNumber()));
    fs::path name = target.filename();
    name += unique;
    name += ".tmp";
    return target.parent_path() / name;
}

bool writeThroughTemporary(const fs::path& target, const ContentWriter& content, FileOpener& files) {
    fs::path name;
    auto file = createTemporary(target, files, name);
    if (!file) return false;
    try {
        std::uint64_t at = 0;
        content([&](std::string_view piece) {
            file->writeAt(at, piece.data(), piece.size());
            at += piece.size();
        });
        file->flush();
        auto closing = std::move(file);
        closing->close();
    } catch (...) {
        file.reset();
        files.remove(name);
        throw;
    }
    try {
        files.replace(name, target);
    } catch (const ArchiveError&) {
        files.remove(name);
        return false;
    }
    return true;
}

void replaceFileContents(const fs::path& target, std::string_view bytes, FileOpener& files) {
    if (writeThroughTemporary(
            target, [bytes](const auto& put) { put(bytes); }, files))
        return;
    rewriteInPlace(target, bytes, files);
}

}  // namespace custovia
