#pragma once
// The folder check: reads every file the program keeps, writing nothing, and lists what is
// wrong in each: a partial last card, length bytes larger than their field, flags that are
// neither "Sì" nor "No", dates that are not dates, attachments and employee photos named by a
// card but missing, files of the attachments and photo folders that no card names, unreadable
// settings.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace custovia {

struct CheckFinding {
    std::string file;     // relative to the folder ("Contatti.pro", "Documenti_Allegati")
    std::string problem;  // one line, in Italian
};

struct FolderCheck {
    std::vector<CheckFinding> findings;  // grouped by file, in the order the files are checked
    std::size_t files = 0;               // files read
    std::uint64_t cards = 0;             // cards read
    bool clean() const { return findings.empty(); }
};

// Throws BackupError when the folder itself cannot be listed.
FolderCheck checkFolder(const std::filesystem::path& folder);

// Every file with its problems, one a line under the file's name, and a closing line.
std::string checkReportText(const FolderCheck& check);

}  // namespace custovia
