#pragma once
// Where the program keeps its data (archives, settings, password store, attachments, photos,
// logo, documents) and where it finds the read-only files it is delivered with (the alarm
// sound, the user guide).
//
// A portable program folder, one holding the password store beside the executable (as the
// build lays it out and as a copied folder keeps it), holds everything itself. An installed
// program, with nothing of its own beside the executable (/usr/bin/custovia), keeps its data
// in the folder named by --folder or CUSTOVIA_FOLDER, else in the user's data folder, and
// reads its delivered files from the installation's share folder. A folder named on the
// command line is always the data folder: several workstations share one folder that way.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "archive/block_file.h"

namespace custovia {

inline constexpr std::string_view kFolderVariable = "CUSTOVIA_FOLDER";
inline constexpr std::string_view kDataFolderName = "Custovia";
// Where an installation keeps its delivered files, relative to the executable's folder
// (/usr/bin beside /usr/share) and, failing that, where the package puts them.
inline constexpr std::string_view kSharedFilesBeside = "../share/custovia";
inline constexpr std::string_view kSharedFilesInstalled = "/usr/share/custovia";

// What the choice looks at; the running system's are read by systemFolderFacts().
struct FolderFacts {
    std::filesystem::path executableFolder;
    std::filesystem::path workingFolder;         // relative folders are taken from here
    std::optional<std::filesystem::path> named;  // --folder
    std::filesystem::path folderVariable;        // CUSTOVIA_FOLDER
    std::filesystem::path dataHome;              // XDG_DATA_HOME
    std::filesystem::path localAppData;          // LOCALAPPDATA (Windows)
    std::filesystem::path home;                  // the user's home folder
    bool windows = false;
    std::function<bool(const std::filesystem::path&)> exists;
};

struct ProgramFolders {
    std::filesystem::path data;       // every file the program writes
    std::filesystem::path delivered;  // the read-only delivered files
    bool portable = false;
    std::string error;  // why no data folder could be chosen; data is then empty
};

ProgramFolders chooseFolders(const FolderFacts& facts);

// How the data folder is chosen, for the help text and the manual page (Italian, lines of
// at most 80 characters).
std::string dataFolderHelp();

// The running program's facts, with the folder named on its command line.
FolderFacts systemFolderFacts(const std::optional<std::filesystem::path>& named);

// Lays out what a data folder is delivered with: the folder itself and the password store
// holding the first-access password. Only what is missing is created, so a changed password
// is never reset, not even by two workstations starting together on a new shared folder.
// Throws ArchiveError or std::filesystem::filesystem_error.
void layOutDataFolder(const std::filesystem::path& folder, FileOpener& files = platformFileOpener());

}  // namespace custovia
