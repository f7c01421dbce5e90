#pragma once
// Attached files: a card keeps only bare file names; the files themselves live in one folder
// shared by every card of every work area.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "archive/block_file.h"

namespace custovia {

inline constexpr std::string_view kAttachmentsFolderName = "Documenti_Allegati";

std::filesystem::path attachmentsFolder(const std::filesystem::path& programFolder);

// The last part of a chosen file's path (UTF-8); both "/" and "\" separate folders.
std::string bareName(std::string_view chosenPath);

// The most characters a card's name field holds.
inline constexpr std::size_t kAttachmentNameCapacity = 250;

// What the user is told when a chosen file's name is longer than a card holds, and asked
// before the file of the same name in the folder is replaced.
inline constexpr std::string_view kAttachmentNameTooLong =
    "Attenzione: il nome del file scelto supera i 250 caratteri e non può essere memorizzato nella "
    "scheda.\r\n\r\nRinominare il file con un nome più breve e ripetere l'operazione.";
inline constexpr std::string_view kAttachmentOverwriteQuestion =
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
    "Si vuole sovrascrivere il file esistente?";

// The name under which a chosen file is attached: one that the card's name field holds as
// it is, so "Apri" finds the copy again. Each character Windows-1252 lacks (and any control
// character) becomes "_", blanks at either end go. Nothing when that name is empty or
// longer than the field, or when it could lead out of the folder ("..").
std::optional<std::string> attachmentNameFor(std::string_view chosenBareName);

// True for a name that can only point inside the attachments folder: not empty, no folder
// separator, not "." or "..", no drive or root. Anything else comes from a corrupt or
// foreign record.
bool isBareFileName(std::string_view name);

// Where the attachment of that name is kept, or nothing when the name is not a bare name.
std::optional<std::filesystem::path> attachmentPath(const std::filesystem::path& programFolder,
                                                    std::string_view name);

enum class AttachOutcome {
    Copied,
    AlreadyInPlace,  // the chosen file is the very one in the folder
    Declined,        // a file of that name was there and the user kept it
    Failed,          // the folder or the copy could not be made
};

// Copies the chosen file into the attachments folder under the given name, creating the
// folder (and its parents) when missing. When a file of that name is already there,
// confirmOverwrite decides; it is not asked when that file is the chosen one. The copy is
// made under a temporary name of its own and then put in place, so a copy that fails
// half-way never leaves a file that other cards refer to cut short.
AttachOutcome copyIntoAttachments(const std::filesystem::path& programFolder,
                                  const std::filesystem::path& chosen, std::string_view name,
                                  const std::function<bool()>& confirmOverwrite,
                                  FileOpener& files = platformFileOpener());

}  // namespace custovia
