#include "app/restore.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <system_error>
#include <vector>

#include "archive/file_replace.h"
#include "archive/paths.h"
#include "archive/text.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;

fs::path relativePath(std::string_view name) {
    fs::path path;
    for (std::size_t at = 0;;) {
        const std::size_t slash = name.find('/', at);
        path /= pathFromUtf8(
            name.substr(at, slash == std::string_view::npos ? std::string_view::npos : slash - at));
        if (slash == std::string_view::npos) return path;
        at = slash + 1;
    }
}

void plainMove(const fs::path& from, const fs::path& to) { fs::rename(from, to); }

// A folder of the program folder's Backup folder that no one else uses.
fs::path freshFolder(const fs::path& parent, const std::string& stem) {
    std::error_code error;
    fs::create_directories(parent, error);
    for (int n = 1; n < 1000; ++n) {
        const fs::path candidate = parent / pathFromUtf8(n == 1 ? stem : stem + "_" + std::to_string(n));
        if (fs::create_directory(candidate, error)) return candidate;
        if (error) break;
    }
    throw BackupError("impossibile creare una cartella in " + pathToUtf8(parent));
}

std::string stamp(const DateTime& t) {
    const auto two = [](int n) { return twoDigits(n); };
    std::string year = std::to_string(t.year);
    return year + "-" + two(t.month) + "-" + two(t.day) + "_" + two(t.hour) + two(t.minute);
}

// The entries of a backup, checked: names a backup holds, each once; archives of whole cards.
struct CheckedEntries {
    std::vector<std::size_t> files;  // indexes of the entries to restore
    std::time_t newestArchive = 0;   // the latest time one of its archives was written
};

CheckedEntries checkEntries(const ZipReader& reader, const std::string& zipName) {
    CheckedEntries checked;
    std::set<std::string> seen;
    const auto& entries = reader.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ZipEntry& entry = entries[i];
        if (!entry.name.empty() && entry.name.back() == '/') continue;  // a folder of its own
        if (!belongsInBackup(entry.name))
            throw BackupError("la copia " + zipName +
                              " contiene un file estraneo ai dati del programma: " + entry.name);
        if (!seen.insert(entry.name).second)
            throw BackupError("la copia " + zipName + " contiene due volte il file " + entry.name);
        if (const RecordLayout* layout = archiveLayout(entry.name)) {
            if (entry.size % layout->size() != 0)
                throw BackupError("la copia " + zipName + " è danneggiata: l'archivio " + entry.name +
                                  " non contiene un numero intero di schede");
            checked.newestArchive = std::max(checked.newestArchive, entry.modified);
        }
        checked.files.push_back(i);
    }
    return checked;
}

// Unpacks one entry under the staging folder, reading it whole (its checksum compared at the end).
void unpack(ZipReader& reader, std::size_t index, const fs::path& target, FileOpener& files) {
    const ZipEntry& entry = reader.entries()[index];
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    auto file = files.createNew(target);
    if (!file) throw ArchiveError("exists");
    std::uint64_t at = 0;
    reader.read(index, [&](std::string_view piece) {
        file->writeAt(at, piece.data(), piece.size());
        at += piece.size();
    });
    if (at != entry.size) throw ZipError("lunghezza diversa da quella dichiarata");
    file->flush();
    auto closing = std::move(file);
    closing->close();
    setLastWritten(target, entry.modified);
}

// What the folder holds now that a restore replaces: the files a backup holds at its top and
// the attachments and photo folders whole, by their names in the folder.
std::vector<std::string> replaceableNow(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = pathToUtf8(it->path().filename());
        std::error_code kind;
        const bool file = it->is_regular_file(kind);
        const bool keptFolder = !file && isKeptFolder(name) && it->is_directory(kind);
        if ((file && belongsInBackup(name)) || keptFolder) names.push_back(name);
    }
    if (error) throw BackupError("impossibile leggere la cartella " + pathToUtf8(folder));
    return names;
}

// The dates of a restore's question, to the second: a backup and a card of the same minute
// still tell which came first.
std::string exactly(const DateTime& t) { return formatDate(t) + " " + formatLongTime(t); }

}  // namespace

std::optional<std::time_t> newestCard(const fs::path& folder) {
    std::optional<std::time_t> newest;
    for (const FolderFile& f : backupContent(folder))
        if (f.layout) newest = std::max(newest.value_or(0), lastWritten(f.path));
    return newest;
}

std::string restoreQuestion(const RestoreDates& dates) {
    if (dates.older && dates.newestCard)
        return "Attenzione: la copia di sicurezza scelta è del " + exactly(dates.backup) +
               ", mentre la scheda più recente degli archivi è stata salvata il " +
               exactly(*dates.newestCard) +
               ".\r\n\r\nRipristinando la copia, le schede salvate dopo di essa non saranno più negli "
               "archivi (i "
               "file attuali saranno conservati nella cartella Backup). Si vuole ripristinare comunque la "
               "copia?";
    return "Si vuole ripristinare la copia di sicurezza del " + dateTimeText(dates.backup) +
           "?\r\n\r\nI file attuali saranno conservati nella cartella Backup.";
}

std::string olderBackupRefusal(const RestoreDates& dates) {
    return "la copia è del " + exactly(dates.backup) +
           ", più vecchia della scheda più recente degli archivi (" +
           (dates.newestCard ? exactly(*dates.newestCard) : std::string()) +
           "): per ripristinarla comunque aggiungere --force";
}

RestoreOutcome restoreBackup(const fs::path& folder, const fs::path& zipFile, const DateTime& now,
                             ZipFormat& zip, const ConfirmRestore& confirm, FileOpener& files,
                             const MoveEntry& moveEntry) {
    const MoveEntry move = moveEntry ? moveEntry : MoveEntry(plainMove);
    const std::string zipName = pathToUtf8(zipFile.filename());
    std::unique_ptr<ZipReader> reader;
    try {
        reader = zip.open(zipFile);
    } catch (const ZipError& e) {
        throw BackupError("la copia " + pathToUtf8(zipFile) + " non è leggibile: " + e.what());
    }
    const CheckedEntries checked = checkEntries(*reader, zipName);

    // every entry is unpacked beside the folder first: a damaged zip stops here, having
    // replaced nothing
    const fs::path backups = folder / kBackupFolderName;
    const fs::path staging = freshFolder(backups, pathToUtf8(temporaryNameBeside("Ripristino").filename()));
    // the unpacked copy goes however the restore ends: whatever is left in it is in the zip
    struct Staging {
        fs::path folder;
        ~Staging() {
            std::error_code ignored;
            fs::remove_all(folder, ignored);
        }
    } const dropStaging{staging};
    for (const std::size_t index : checked.files) {
        const std::string& name = reader->entries()[index].name;
        try {
            unpack(*reader, index, staging / relativePath(name), files);
        } catch (const ZipError& e) {
            throw BackupError("la copia " + zipName + " è danneggiata: " + name + ": " + e.what());
        } catch (const ArchiveError&) {
            throw BackupError("impossibile preparare il ripristino in " + pathToUtf8(staging));
        }
    }

    DateTime taken;
    std::time_t backupTime = checked.newestArchive;
    if (readBackupComment(reader->comment(), taken))
        backupTime = std::max(backupTime, std::chrono::system_clock::to_time_t(toTimePoint(taken)));
    else
        taken = localDateTime(backupTime);
    reader.reset();
    RestoreDates dates{taken, std::nullopt, false};
    if (const auto newest = newestCard(folder)) {
        dates.newestCard = localDateTime(*newest);
        dates.older = *newest > backupTime;
    }
    if (confirm && !confirm(dates)) return {};

    // then each file in turn is moved aside and its copy moved in, so that every step can be
    // undone; the steps done are undone in reverse order when one fails
    std::vector<std::string> names = replaceableNow(folder);
    std::vector<std::string> staged;
    {
        std::error_code error;
        for (fs::directory_iterator it(staging, error), end; !error && it != end; it.increment(error))
            staged.push_back(pathToUtf8(it->path().filename()));
    }
    for (const std::string& name : staged)
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    const fs::path replaced = freshFolder(backups, "Sostituiti_" + stamp(now));

    struct Step {
        fs::path from, to;
    };
    std::vector<Step> done;
    const auto step = [&](const fs::path& from, const fs::path& to, const std::string& name) {
        try {
            move(from, to);
        } catch (const std::exception&) {
            throw BackupError("impossibile spostare " + name);
        }
        done.push_back({from, to});
    };
    try {
        for (const std::string& name : names) {
            const fs::path current = folder / pathFromUtf8(name);
            std::error_code error;
            if (fs::exists(fs::symlink_status(current, error)))
                step(current, replaced / pathFromUtf8(name), name);
            if (std::find(staged.begin(), staged.end(), name) != staged.end())
                step(staging / pathFromUtf8(name), current, name);
        }
    } catch (const BackupError& e) {
        bool whole = true;
        for (auto back = done.rbegin(); back != done.rend(); ++back) {
            try {
                move(back->to, back->from);
            } catch (const std::exception&) {
                whole = false;
            }
        }
        if (!whole)
            throw BackupError(
                std::string("ripristino interrotto (") + e.what() +
                "): i file sostituiti che non è stato possibile rimettere al loro posto sono in " +
                pathToUtf8(replaced));
        std::error_code ignored;
        fs::remove(replaced, ignored);
        throw BackupError(std::string("ripristino non riuscito, la cartella è rimasta com'era: ") + e.what());
    }
    RestoreOutcome outcome{true, replaced, checked.files.size()};
    std::error_code error;
    if (fs::is_empty(replaced, error) && !error) {
        fs::remove(replaced, error);
        outcome.replaced.clear();
    }
    return outcome;
}

}  // namespace custovia
