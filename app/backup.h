#pragma once
// Backups of the program folder: one zip of every file the program keeps there (the archives,
// the settings, the password store, the attachments, the employee photos, the logo and the
// privacy document), taken while other workstations go on working, and the daily automatic
// backup that keeps the newest few.
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/zip_file.h"
#include "archive/block_file.h"
#include "archive/clock.h"
#include "archive/record.h"

namespace custovia {

// A backup or restore that could not be done, with a one-line reason in Italian.
class BackupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::string_view kBackupFolderName = "Backup";
inline constexpr std::string_view kBackupSettingsFile = "Copie_Sicurezza.ini";
inline constexpr int kBackupsKept = 14;

// The record layout of the archive of that name (a client's services file included), or null
// for any other name. Names are compared without regard to ASCII case, as Windows does.
const RecordLayout* archiveLayout(std::string_view fileName);

// True for a name a backup holds ("Contatti.pro", "Documenti_Allegati/Fattura.pdf"): at the top
// the archives, the settings files, the password store, the logo and the privacy document;
// anything inside the attachments and photo folders. Never a temporary file, the backups' own
// settings, or a name that could lead out of the folder.
bool belongsInBackup(std::string_view name);

// True for the folders a backup holds whole: the attachments and the employee photos.
bool isKeptFolder(std::string_view name);

// A file of the folder that a backup holds.
struct FolderFile {
    std::string name;                      // relative to the folder, UTF-8, "/" between folders
    std::filesystem::path path;            // where it is
    const RecordLayout* layout = nullptr;  // an archive's record layout; null for other files
};
// The folder's files that a backup holds, in name order. Throws BackupError when the folder
// cannot be listed.
std::vector<FolderFile> backupContent(const std::filesystem::path& folder);

// The file's bytes as they stood at one moment, read twice and read again while the two reads
// differ (another workstation was writing). An archive is read under the lock an append takes,
// as far as its last whole record. Throws BackupError when the file kept changing over
// `attempts` reads or cannot be read.
EntryBytes steadyCopy(const FolderFile& file, FileOpener& files, int attempts = 4);

// The time a file was last written; 0 when it cannot be told.
std::time_t lastWritten(const std::filesystem::path& file);
// Sets the time a file was last written; false when the system refuses.
bool setLastWritten(const std::filesystem::path& file, std::time_t when);

struct BackupSummary {
    std::filesystem::path file;
    std::size_t files = 0;    // files copied into it
    std::uint64_t bytes = 0;  // the zip's size
};

// Writes a backup of the folder to `zipFile` (its folder is created when missing): the zip is
// written under a temporary name beside it and renamed into place once complete, replacing a
// file of that name. Throws BackupError; nothing is then left at `zipFile` that was not there.
BackupSummary writeBackup(const std::filesystem::path& folder, const std::filesystem::path& zipFile,
                          const DateTime& now, ZipFormat& zip, FileOpener& files = platformFileOpener(),
                          const std::function<bool()>& cancelled = {});

// What a backup holds, from its list of entries (no entry is read).
struct BackupInfo {
    std::filesystem::path file;
    DateTime taken;           // when it was made
    std::uint64_t bytes = 0;  // the zip's size
    // cards per archive, in this order: "Interventi", "Clienti", "Servizi" (every client's
    // services together), "Dipendenti", "Appuntamenti", "Contratti"
    std::vector<std::pair<std::string, std::uint64_t>> cards;
    std::string error;  // why it cannot be read; the other members are then partial
};
BackupInfo describeBackup(const std::filesystem::path& zipFile, ZipFormat& zip);
// "Interventi 120, Clienti 45, ..." (archives without cards left out; "nessuna scheda").
std::string cardsText(const BackupInfo& info);

// The zip comment that dates a backup, and the date read back from one (nothing when absent).
std::string backupComment(const DateTime& taken);
bool readBackupComment(std::string_view comment, DateTime& taken);

// "Custovia_2024-05-15_1007.zip": the name of the backups made by the program itself.
std::string automaticBackupName(const DateTime& t);
bool isAutomaticBackupName(std::string_view name);
// Every zip in the folder with what it holds, newest first.
std::vector<BackupInfo> listBackups(const std::filesystem::path& backupFolder, ZipFormat& zip);
// Removes the program's own backups (named as automaticBackupName makes them) beyond the newest
// `keep`; no other file is ever touched. Returns the names removed.
std::vector<std::string> keepNewestBackups(const std::filesystem::path& backupFolder, int keep);

// The backups' settings, in a settings file of their own in the program folder.
struct BackupSettings {
    std::string folder;         // where the backups go (UTF-8); empty: Backup inside the program folder
    int keep = kBackupsKept;    // how many of the program's own backups to keep (1 to 999)
    std::string lastAutomatic;  // the day of the last automatic backup, "2024-05-15"
};
// A missing or unreadable file reads as the defaults.
BackupSettings readBackupSettings(const std::filesystem::path& programFolder);
// Written whole, in one go; throws ArchiveError.
void writeBackupSettings(const std::filesystem::path& programFolder, const BackupSettings& settings,
                         FileOpener& files = platformFileOpener());
std::filesystem::path backupFolder(const std::filesystem::path& programFolder,
                                   const BackupSettings& settings);
// How many to keep, from a typed text: a whole number from 1 to 999, else the default.
int keptCount(std::string_view typed);

// The backup the program makes by itself, at the first start of each day.
struct AutomaticBackup {
    enum Kind { NotDue, Written, Failed } kind = NotDue;
    std::filesystem::path file;
    std::string reason;  // why it failed
};
AutomaticBackup runAutomaticBackup(const std::filesystem::path& programFolder, const DateTime& now,
                                   ZipFormat& zip, FileOpener& files = platformFileOpener(),
                                   const std::function<bool()>& cancelled = {});
// A backup "now" into the backups' folder, under the program's own name, keeping the newest.
BackupSummary backupNow(const std::filesystem::path& programFolder, const DateTime& now, ZipFormat& zip,
                        FileOpener& files = platformFileOpener());

// A size for people: "850 byte", "12,4 KB", "1,2 MB", "3,05 GB".
std::string sizeText(std::uint64_t bytes);
// "15/05/2024 10:07"
std::string dateTimeText(const DateTime& t);

}  // namespace custovia
