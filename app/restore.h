#pragma once
// Restoring a backup: the zip is checked whole and unpacked beside the folder before anything
// is replaced; the files it replaces are moved into Backup/Sostituiti_AAAA-MM-GG_HHMM (never
// deleted), and a failure half-way puts them back.
#include <cstddef>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "app/backup.h"

namespace custovia {

struct RestoreOutcome {
    bool restored = false;           // false: an older backup the user chose not to restore
    std::filesystem::path replaced;  // where the files it replaced are kept (empty: there were none)
    std::size_t files = 0;           // files restored
};

// The dates a restore is asked about, once the backup has been checked and before anything is
// replaced. `older`: the folder holds a card saved after the backup was made.
struct RestoreDates {
    DateTime backup;
    std::optional<DateTime> newestCard;  // none when the folder has no archive
    bool older = false;
};
// Answers whether to go on.
using ConfirmRestore = std::function<bool(const RestoreDates& dates)>;
// Moves a file or a folder within the program folder; throws on failure. Tests hand in one
// that fails where they want it to.
using MoveEntry = std::function<void(const std::filesystem::path& from, const std::filesystem::path& to)>;

// Restores the folder from the backup. Before anything is replaced every entry is read (its
// checksum compared), only names a backup holds are accepted, every archive must hold a whole
// number of cards, and `confirm` is asked (an empty one goes on). Throws BackupError with a
// one-line reason; the folder is then as it was, or, where even putting the files back failed,
// the reason says where the replaced files are.
RestoreOutcome restoreBackup(const std::filesystem::path& folder, const std::filesystem::path& zipFile,
                             const DateTime& now, ZipFormat& zip, const ConfirmRestore& confirm,
                             FileOpener& files = platformFileOpener(), const MoveEntry& move = {});

// When the folder's newest card was saved: the latest time one of its archives was written.
std::optional<std::time_t> newestCard(const std::filesystem::path& folder);

// The question the window asks before a restore (about an older backup, with both dates), and
// the command line's refusal of an older backup.
std::string restoreQuestion(const RestoreDates& dates);
std::string olderBackupRefusal(const RestoreDates& dates);

}  // namespace custovia
