#include "app/backup.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <tuple>

#include "app/cipher.h"
#include "appointments/appointments.h"
#include "archive/attachments.h"
#include "archive/file_replace.h"
#include "archive/ini_file.h"
#include "archive/paths.h"
#include "archive/text.h"
#include "clients/clients.h"
#include "clients/privacy.h"
#include "clients/services.h"
#include "contracts/contract_card.h"
#include "contracts/contracts.h"
#include "emergencies/interventions.h"
#include "employees/employee_photos.h"
#include "employees/employees.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kServicesPrefix = "Servizi_Cliente_";
constexpr std::string_view kServicesLabel = "Servizi";

// The archives with a name of their own, and the label their cards are counted under.
struct NamedArchive {
    std::string_view file;
    const RecordLayout& (*layout)();
    std::string_view label;
};
const NamedArchive kArchives[] = {
    {kInterventionsFile, interventionLayout, "Interventi"},
    {kClientsFile, clientLayout, "Clienti"},
    {kEmployeesFile, employeeLayout, "Dipendenti"},
    {kAppointmentsFile, appointmentLayout, "Appuntamenti"},
    {kContractsFile, contractLayout, "Contratti"},
};
// The order in which a backup's cards are listed.
const std::string_view kCardLabels[] = {"Interventi", "Clienti",      kServicesLabel,
                                        "Dipendenti", "Appuntamenti", "Contratti"};

bool sameName(std::string_view a, std::string_view b) { return asciiLower(a) == asciiLower(b); }

bool endsWithName(std::string_view name, std::string_view ending) {
    return name.size() >= ending.size() && sameName(name.substr(name.size() - ending.size()), ending);
}

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isServicesFile(std::string_view name) {
    return name.size() > kServicesPrefix.size() + 4 &&
           sameName(name.substr(0, kServicesPrefix.size()), kServicesPrefix) && endsWithName(name, ".pro") &&
           allDigits(name.substr(kServicesPrefix.size(), name.size() - kServicesPrefix.size() - 4));
}

std::string_view labelOf(std::string_view fileName) {
    for (const NamedArchive& a : kArchives)
        if (sameName(fileName, a.file)) return a.label;
    return isServicesFile(fileName) ? kServicesLabel : std::string_view();
}

// The top-level files a backup holds besides the archives and the settings files.
bool isKeptTopFile(std::string_view name) {
    if (archiveLayout(name)) return true;
    if (sameName(name, kBackupSettingsFile)) return false;  // where the backups go stays the workstation's
    return endsWithName(name, ".ini") || sameName(name, kPasswordStoreFile) || sameName(name, kLogoFile) ||
           sameName(name, kPrivacyDocumentFile);
}

// The folders a backup holds whole.
const std::string_view kKeptFolders[] = {kAttachmentsFolderName, kPhotoFolderName};

std::string readWhole(BlockFile& file, std::uint64_t length) {
    std::string bytes(std::size_t(length), '\0');
    if (length > 0) file.readAt(0, bytes.data(), bytes.size());
    return bytes;
}

// True when the file still begins with exactly these bytes.
bool stillReads(BlockFile& file, std::string_view bytes) {
    std::vector<char> chunk(std::min<std::size_t>(bytes.size(), 1u << 20));
    for (std::size_t at = 0; at < bytes.size(); at += chunk.size()) {
        const std::size_t n = std::min(chunk.size(), bytes.size() - at);
        if (file.readSomeAt(at, chunk.data(), n) != n || std::memcmp(chunk.data(), bytes.data() + at, n) != 0)
            return false;
    }
    return true;
}

std::string digits(int n, std::size_t width) {
    std::string s = std::to_string(n);
    while (s.size() < width) s = "0" + s;
    return s;
}

std::string isoDay(const DateTime& t) {
    return digits(t.year, 4) + "-" + digits(t.month, 2) + "-" + digits(t.day, 2);
}

std::uint64_t fileSize(const fs::path& file) {
    std::error_code error;
    const auto size = fs::file_size(file, error);
    return error ? 0 : std::uint64_t(size);
}

constexpr std::string_view kSettingsSection = "Copie";
constexpr std::string_view kFolderKey = "Cartella";
constexpr std::string_view kKeepKey = "Conserva";
constexpr std::string_view kLastKey = "UltimaAutomatica";

}  // namespace

const RecordLayout* archiveLayout(std::string_view fileName) {
    for (const NamedArchive& a : kArchives)
        if (sameName(fileName, a.file)) return &a.layout();
    return isServicesFile(fileName) ? &serviceLayout() : nullptr;
}

bool belongsInBackup(std::string_view name) {
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const std::size_t slash = name.find('/', at);
        parts.push_back(
            name.substr(at, slash == std::string_view::npos ? std::string_view::npos : slash - at));
        if (slash == std::string_view::npos) break;
        at = slash + 1;
    }
    for (const std::string_view part : parts) {
        // nothing that could name a place outside the folder, on any system
        if (part.empty() || part == "." || part == ".." ||
            part.find_first_of("\\:") != std::string_view::npos)
            return false;
    }
    if (isTemporaryName(parts.back())) return false;
    return parts.size() == 1 ? isKeptTopFile(parts.front()) : isKeptFolder(parts.front());
}

bool isKeptFolder(std::string_view name) {
    return std::any_of(std::begin(kKeptFolders), std::end(kKeptFolders),
                       [&](std::string_view folder) { return sameName(name, folder); });
}

std::vector<FolderFile> backupContent(const fs::path& folder) {
    std::vector<FolderFile> content;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = pathToUtf8(it->path().filename());
        std::error_code kind;
        if (it->is_regular_file(kind)) {
            if (belongsInBackup(name)) content.push_back({name, it->path(), archiveLayout(name)});
            continue;
        }
        if (!isKeptFolder(name) || !it->is_directory(kind)) continue;
        for (fs::recursive_directory_iterator inner(it->path(), error), stop; !error && inner != stop;
             inner.increment(error)) {
            std::error_code innerKind;
            if (!inner->is_regular_file(innerKind)) continue;
            const std::u8string generic = inner->path().lexically_relative(folder).generic_u8string();
            const std::string relative(generic.begin(), generic.end());
            if (belongsInBackup(relative)) content.push_back({relative, inner->path(), nullptr});
        }
    }
    if (error) throw BackupError("impossibile leggere la cartella " + pathToUtf8(folder));
    std::sort(content.begin(), content.end(),
              [](const FolderFile& a, const FolderFile& b) { return a.name < b.name; });
    return content;
}

EntryBytes steadyCopy(const FolderFile& f, FileOpener& files, int attempts) {
    try {
        std::unique_ptr<BlockFile> file;
        bool locked = false;
        if (f.layout) {
            // the lock an append takes: no card is half written while the archive is read
            try {
                file = files.openExisting(f.path);
                file->lockExclusive();
                locked = true;
            } catch (const ArchiveError&) {
                file.reset();  // a file this workstation may only read: no one appends through it here
            }
        }
        if (!file) file = files.openForReading(f.path);
        const std::uint64_t recordSize = f.layout ? f.layout->size() : 1;
        for (int attempt = 0; attempt < std::max(attempts, 1); ++attempt) {
            const std::time_t modified = lastWritten(f.path);
            const std::uint64_t length = file->size() / recordSize * recordSize;
            std::string bytes = readWhole(*file, length);
            // an update in place (which takes no lock) or any write to another file shows here
            if (file->size() / recordSize * recordSize == length && stillReads(*file, bytes)) {
                if (locked) file->unlock();
                auto closing = std::move(file);
                closing->close();
                return {std::move(bytes), modified};
            }
        }
        if (locked) file->unlock();
    } catch (const ArchiveError&) {
        throw BackupError("impossibile leggere il file " + f.name);
    }
    throw BackupError("il file " + f.name +
                      " cambiava a ogni lettura (un'altra postazione lo stava scrivendo)");
}

std::time_t lastWritten(const fs::path& file) {
    std::error_code error;
    const auto written = fs::last_write_time(file, error);
    if (error) return 0;
    return std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(
            std::chrono::file_clock::to_sys(written)));
}

bool setLastWritten(const fs::path& file, std::time_t when) {
    std::error_code error;
    fs::last_write_time(file, std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(when)),
                        error);
    return !error;
}

BackupSummary writeBackup(const fs::path& folder, const fs::path& zipFile, const DateTime& now,
                          ZipFormat& zip, FileOpener& files, const std::function<bool()>& cancelled) {
    const std::vector<FolderFile> content = backupContent(folder);
    if (content.empty())
        throw BackupError("la cartella " + pathToUtf8(folder) + " non contiene dati da copiare");
    const std::string where = pathToUtf8(zipFile);
    std::unique_ptr<ZipWriter> writer;
    try {
        writer = zip.writer();
    } catch (const ZipError& e) {
        throw BackupError(std::string("copia di sicurezza non eseguita: ") + e.what());
    }
    for (const FolderFile& f : content) writer->add(f.name, [&files, f] { return steadyCopy(f, files); });
    writer->setComment(backupComment(now));

    std::error_code error;
    if (!zipFile.parent_path().empty()) fs::create_directories(zipFile.parent_path(), error);
    if (error) throw BackupError("impossibile creare la cartella " + pathToUtf8(zipFile.parent_path()));
    // complete under a name of its own first: a backup that fails half-way never stands as one
    const fs::path temporary = temporaryNameBeside(zipFile);
    try {
        writer->write(temporary, cancelled);
    } catch (const BackupError&) {
        files.remove(temporary);
        throw;
    } catch (const std::exception& e) {
        files.remove(temporary);
        throw BackupError("impossibile scrivere la copia " + where + ": " + e.what());
    }
    try {
        files.replace(temporary, zipFile);
    } catch (const ArchiveError&) {
        files.remove(temporary);
        throw BackupError("impossibile scrivere la copia " + where);
    }
    return {zipFile, content.size(), fileSize(zipFile)};
}

std::string backupComment(const DateTime& taken) {
    return "Custovia: copia di sicurezza del " + isoDay(taken) + " " + formatLongTime(taken);
}

bool readBackupComment(std::string_view comment, DateTime& taken) {
    const std::size_t at = comment.rfind(" del ");
    if (at == std::string_view::npos || comment.size() < at + 5 + 19) return false;
    const std::string_view s = comment.substr(at + 5, 19);  // "2024-05-15 10:07:03"
    const auto number = [&](std::size_t from, std::size_t width, int& out) {
        const std::string_view part = s.substr(from, width);
        if (!allDigits(part)) return false;
        out = std::stoi(std::string(part));
        return true;
    };
    DateTime t;
    const bool read = number(0, 4, t.year) && s[4] == '-' && number(5, 2, t.month) && s[7] == '-' &&
                      number(8, 2, t.day) && s[10] == ' ' && number(11, 2, t.hour) && s[13] == ':' &&
                      number(14, 2, t.minute) && s[16] == ':' && number(17, 2, t.second);
    if (read) taken = t;
    return read;
}

BackupInfo describeBackup(const fs::path& zipFile, ZipFormat& zip) {
    BackupInfo info;
    info.file = zipFile;
    info.bytes = fileSize(zipFile);
    for (const std::string_view label : kCardLabels) info.cards.emplace_back(label, 0);
    try {
        const auto reader = zip.open(zipFile);
        std::time_t newest = 0;
        for (const ZipEntry& entry : reader->entries()) {
            newest = std::max(newest, entry.modified);
            if (const RecordLayout* layout = archiveLayout(entry.name)) {
                for (auto& [label, count] : info.cards)
                    if (label == labelOf(entry.name)) count += entry.size / layout->size();
            }
        }
        // a zip the program did not write is dated by its newest file
        if (!readBackupComment(reader->comment(), info.taken)) info.taken = localDateTime(newest);
    } catch (const ZipError& e) {
        info.error = e.what();
        info.taken = localDateTime(lastWritten(zipFile));
    }
    return info;
}

std::string cardsText(const BackupInfo& info) {
    std::string text;
    for (const auto& [label, count] : info.cards) {
        if (count == 0) continue;
        if (!text.empty()) text += ", ";
        text += label + " " + std::to_string(count);
    }
    return text.empty() ? "nessuna scheda" : text;
}

std::string automaticBackupName(const DateTime& t) {
    return "Custovia_" + isoDay(t) + "_" + digits(t.hour, 2) + digits(t.minute, 2) + ".zip";
}

bool isAutomaticBackupName(std::string_view name) {
    // Custovia_AAAA-MM-GG_HHMM.zip
    if (name.size() != 28 || name.substr(0, 9) != "Custovia_" || name.substr(24) != ".zip") return false;
    const std::string_view stamp = name.substr(9, 15);
    return allDigits(stamp.substr(0, 4)) && stamp[4] == '-' && allDigits(stamp.substr(5, 2)) &&
           stamp[7] == '-' && allDigits(stamp.substr(8, 2)) && stamp[10] == '_' &&
           allDigits(stamp.substr(11, 4));
}

std::vector<BackupInfo> listBackups(const fs::path& backupFolder, ZipFormat& zip) {
    std::vector<BackupInfo> backups;
    std::error_code error;
    for (fs::directory_iterator it(backupFolder, error), end; !error && it != end; it.increment(error)) {
        std::error_code kind;
        if (it->is_regular_file(kind) && endsWithName(pathToUtf8(it->path().filename()), ".zip"))
            backups.push_back(describeBackup(it->path(), zip));
    }
    const auto key = [](const BackupInfo& b) {
        const DateTime& t = b.taken;
        return std::make_tuple(t.year, t.month, t.day, t.hour, t.minute, t.second, b.file.filename());
    };
    std::sort(backups.begin(), backups.end(),
              [&](const BackupInfo& a, const BackupInfo& b) { return key(a) > key(b); });
    return backups;
}

std::vector<std::string> keepNewestBackups(const fs::path& backupFolder, int keep) {
    std::vector<std::string> own;
    std::error_code error;
    for (fs::directory_iterator it(backupFolder, error), end; !error && it != end; it.increment(error)) {
        std::error_code kind;
        const std::string name = pathToUtf8(it->path().filename());
        if (isAutomaticBackupName(name) && it->is_regular_file(kind)) own.push_back(name);
    }
    // the names sort as their dates do
    std::sort(own.begin(), own.end(), std::greater<>());
    std::vector<std::string> removed;
    for (std::size_t i = std::size_t(std::max(keep, 1)); i < own.size(); ++i) {
        std::error_code gone;
        if (fs::remove(backupFolder / pathFromUtf8(own[i]), gone)) removed.push_back(own[i]);
    }
    return removed;
}

int keptCount(std::string_view typed) {
    const std::string_view t = trimView(typed);
    if (!allDigits(t) || t.size() > 3) return kBackupsKept;
    const int n = std::stoi(std::string(t));
    return n >= 1 ? n : kBackupsKept;
}

BackupSettings readBackupSettings(const fs::path& programFolder) {
    BackupSettings settings;
    const fs::path file = programFolder / kBackupSettingsFile;
    try {
        settings.folder = trim(readIniString(file, kSettingsSection, kFolderKey));
        const std::string keep = readIniString(file, kSettingsSection, kKeepKey);
        if (!trim(keep).empty()) settings.keep = keptCount(keep);
        settings.lastAutomatic = trim(readIniString(file, kSettingsSection, kLastKey));
    } catch (const ArchiveError&) {
        return {};  // an unreadable file reads as a missing one
    }
    return settings;
}

void writeBackupSettings(const fs::path& programFolder, const BackupSettings& settings, FileOpener& files) {
    writeIniStrings(programFolder / kBackupSettingsFile, kSettingsSection,
                    {{std::string(kFolderKey), settings.folder},
                     {std::string(kKeepKey), std::to_string(settings.keep)},
                     {std::string(kLastKey), settings.lastAutomatic}},
                    files);
}

fs::path backupFolder(const fs::path& programFolder, const BackupSettings& settings) {
    if (trimView(settings.folder).empty()) return programFolder / kBackupFolderName;
    const fs::path chosen = pathFromUtf8(trimView(settings.folder));
    return chosen.is_absolute() ? chosen : programFolder / chosen;
}

AutomaticBackup runAutomaticBackup(const fs::path& programFolder, const DateTime& now, ZipFormat& zip,
                                   FileOpener& files, const std::function<bool()>& cancelled) {
    BackupSettings settings = readBackupSettings(programFolder);
    if (settings.lastAutomatic == isoDay(now)) return {};
    AutomaticBackup outcome;
    try {
        // an empty folder (a first start) has nothing to keep yet
        if (backupContent(programFolder).empty()) return {};
        const fs::path folder = backupFolder(programFolder, settings);
        outcome.file =
            writeBackup(programFolder, folder / automaticBackupName(now), now, zip, files, cancelled).file;
        keepNewestBackups(folder, settings.keep);
    } catch (const BackupError& e) {
        return {AutomaticBackup::Failed, {}, e.what()};
    }
    outcome.kind = AutomaticBackup::Written;
    settings.lastAutomatic = isoDay(now);
    try {
        writeBackupSettings(programFolder, settings, files);
    } catch (const ArchiveError&) {
        // the backup stands; the next start makes another one
    }
    return outcome;
}

BackupSummary backupNow(const fs::path& programFolder, const DateTime& now, ZipFormat& zip,
                        FileOpener& files) {
    const BackupSettings settings = readBackupSettings(programFolder);
    const fs::path folder = backupFolder(programFolder, settings);
    BackupSummary summary = writeBackup(programFolder, folder / automaticBackupName(now), now, zip, files);
    keepNewestBackups(folder, settings.keep);
    return summary;
}

std::string sizeText(std::uint64_t bytes) {
    if (bytes < 1024) return std::to_string(bytes) + " byte";
    const char* units[] = {"KB", "MB", "GB", "TB"};
    double value = double(bytes) / 1024.0;
    int unit = 0;
    while (value >= 1024.0 && unit < 3) {
        value /= 1024.0;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text,
                  value < 10    ? "%.2f %s"
                  : value < 100 ? "%.1f %s"
                                : "%.0f %s",
                  value, units[unit]);
    std::string shown = text;
    std::replace(shown.begin(), shown.end(), '.', ',');
    return shown;
}

std::string dateTimeText(const DateTime& t) {
    return formatDate(t) + " " + twoDigits(t.hour) + ":" + twoDigits(t.minute);
}

}  // namespace custovia
