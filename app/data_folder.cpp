#include "app/data_folder.h"

#include "app/cipher.h"
#include "archive/paths.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;

fs::path fromWorkingFolder(const FolderFacts& facts, const fs::path& folder) {
    return (folder.is_absolute() ? folder : facts.workingFolder / folder).lexically_normal();
}

fs::path deliveredFolder(const FolderFacts& facts, bool portable) {
    if (portable) return facts.executableFolder;
    const fs::path beside = (facts.executableFolder / pathFromUtf8(kSharedFilesBeside)).lexically_normal();
    if (facts.exists(beside)) return beside;
    // an installation that lost its share folder still finds the package's, and on Windows
    // the files are beside the executable
    return facts.windows ? facts.executableFolder : pathFromUtf8(kSharedFilesInstalled);
}

// The user's own data folder: XDG_DATA_HOME (only an absolute one counts) or
// ~/.local/share; LOCALAPPDATA or the profile's AppData\Local on Windows.
fs::path userDataFolder(const FolderFacts& facts) {
    const fs::path name = pathFromUtf8(kDataFolderName);
    if (facts.windows) {
        if (!facts.localAppData.empty()) return facts.localAppData / name;
        if (!facts.home.empty()) return facts.home / "AppData" / "Local" / name;
        return {};
    }
    if (facts.dataHome.has_root_directory()) return facts.dataHome / name;
    if (facts.home.has_root_directory()) return facts.home / ".local" / "share" / name;
    return {};
}

}  // namespace

ProgramFolders chooseFolders(const FolderFacts& facts) {
    ProgramFolders folders;
    folders.portable = facts.exists(facts.executableFolder / pathFromUtf8(kPasswordStoreFile));
    folders.delivered = deliveredFolder(facts, folders.portable);
    if (facts.named && !facts.named->empty())
        folders.data = fromWorkingFolder(facts, *facts.named);
    else if (folders.portable)
        folders.data = facts.executableFolder;
    else if (!facts.folderVariable.empty())
        folders.data = fromWorkingFolder(facts, facts.folderVariable);
    else
        folders.data = userDataFolder(facts);
    if (folders.data.empty())
        folders.error = "impossibile stabilire la cartella dei dati: indicarla con --folder CARTELLA";
    return folders;
}

std::string dataFolderHelp() {
    return "La cartella dei dati (archivi, impostazioni, allegati) è quella indicata da\n"
           "--folder; senza, è la cartella del programma se vi si trova unins000.dll\n"
           "(programma portatile), altrimenti quella indicata dalla variabile\n"
#ifdef _WIN32
           "CUSTOVIA_FOLDER o, in mancanza, %LOCALAPPDATA%\\Custovia.\n";
#else
           "CUSTOVIA_FOLDER o, in mancanza, $XDG_DATA_HOME/Custovia (di solito\n"
           "~/.local/share/Custovia).\n";
#endif
}

FolderFacts systemFolderFacts(const std::optional<std::filesystem::path>& named) {
    FolderFacts facts;
    facts.executableFolder = executableFolder();
    std::error_code ignored;
    facts.workingFolder = fs::current_path(ignored);
    facts.named = named;
    facts.folderVariable = environmentPath(kFolderVariable.data());
    facts.dataHome = environmentPath("XDG_DATA_HOME");
    facts.localAppData = environmentPath("LOCALAPPDATA");
    facts.home = homeFolder();
#ifdef _WIN32
    facts.windows = true;
#endif
    facts.exists = [](const fs::path& path) {
        std::error_code error;
        return fs::exists(path, error);
    };
    return facts;
}

void layOutDataFolder(const std::filesystem::path& folder, FileOpener& files) {
    fs::create_directories(folder);
    const fs::path store = folder / pathFromUtf8(kPasswordStoreFile);
    // claiming the name first: a store that is there, or that another workstation writes
    // meanwhile, is never touched
    std::unique_ptr<BlockFile> claimed = files.createNew(store);
    if (!claimed) return;
    claimed->close();
    try {
        writeStoredPassword(folder, kFirstAccessPassword, files);
    } catch (...) {
        // an empty store would lock everybody out for good: the next start tries again
        files.remove(store);
        throw;
    }
}

}  // namespace custovia
