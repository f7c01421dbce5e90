#include "archive/file_replace.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <random>

#include "archive/paths.h"

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

// Blanks: what pads a file rewritten in place to its old length until it is cut to its new
// one. Every file written whole reads them as nothing: a settings file's reader skips a blank
// line and trims a value's trailing blanks, a document or an export ends with its closing
// markup (RTF "}", HTML "</html>", PDF "%%EOF") after which readers ignore white space, and a
// picture's header says where its data end.
constexpr char kPadding = ' ';

// Rewrites the file where it is, in a folder that refuses a temporary file beside it. A
// crash (the program killed, the machine off) may stop it between any two calls, so each
// call leaves a file that reads either as the old content or as the new one:
//   1. a longer content first grows the file by blanks: it reads as the old content still,
//      and a full disk fails here, before any old byte changes;
//   2. one single write at offset 0 puts the new content over the old, padded with blanks to
//      at least the old length, so no old byte is left after it: the file reads as the new
//      content (writing the new content and then cutting the rest would leave, between the
//      two calls, the new content followed by the old content's tail);
//   3. a shorter content then cuts the padding off.
// A failure puts the old content back the same way.
void rewriteInPlace(const fs::path& target, std::string_view bytes, FileOpener& files) {
    auto file = files.openExisting(target);
    const std::uint64_t oldSize = file->size();
    std::string old(oldSize, '\0');
    file->readAt(0, old.data(), old.size());
    // the content at offset 0, padded with blanks to `length`, then cut to its own length
    const auto overwrite = [&file](std::string_view content, std::uint64_t length) {
        std::string padded(content);
        if (padded.size() < length) padded.resize(length, kPadding);
        file->writeAt(0, padded.data(), padded.size());
        if (content.size() < length) file->resize(content.size());
    };
    std::uint64_t length = oldSize;  // the file's length: a write at offset 0 covers all of it
    try {
        if (bytes.size() > oldSize) {
            const std::string growth(bytes.size() - oldSize, kPadding);
            file->writeAt(oldSize, growth.data(), growth.size());
            length = bytes.size();
        }
        overwrite(bytes, length);
        file->flush();
    } catch (const ArchiveError&) {
        try {
            overwrite(old, length);
            file->resize(oldSize);  // blanks a failed growth may have left
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
    replaceFileContents(
        target, [bytes](const auto& put) { put(bytes); }, files);
}

void replaceFileContents(const fs::path& target, const ContentWriter& content, FileOpener& files) {
    if (writeThroughTemporary(target, content, files)) return;
    std::string whole;
    content([&whole](std::string_view piece) { whole += piece; });
    rewriteInPlace(target, whole, files);
}

bool isTemporaryName(std::string_view name) {
    constexpr std::string_view kEnd = ".tmp";
    constexpr std::size_t kHex = 16;
    // at least one character of the target's name, a dot, the hex digits, ".tmp"
    if (name.size() < 1 + 1 + kHex + kEnd.size() || !name.ends_with(kEnd)) return false;
    const std::string_view unique = name.substr(name.size() - kEnd.size() - kHex, kHex);
    return name[name.size() - kEnd.size() - kHex - 1] == '.' &&
           std::all_of(unique.begin(), unique.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

std::size_t removeStaleTemporaries(const std::vector<fs::path>& folders,
                                   std::chrono::system_clock::time_point now, std::chrono::minutes age) {
    std::size_t removed = 0;
    for (const fs::path& folder : folders) {
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            const fs::directory_entry& entry = *it;
            std::error_code fileError;
            if (!isTemporaryName(pathToUtf8(entry.path().filename())) || !entry.is_regular_file(fileError))
                continue;
            const auto written = entry.last_write_time(fileError);
            if (fileError) continue;
            const auto writtenAt = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
                fs::file_time_type::clock::to_sys(written));
            if (now - writtenAt < age) continue;
            if (fs::remove(entry.path(), fileError)) ++removed;
        }
    }
    return removed;
}

}  // namespace custovia
