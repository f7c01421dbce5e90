// What a backup reads from a zip of any origin: an entry's name that a restore accepts lands
// inside the program folder, among the files the program keeps; a backup's date comment reads
// back as written; a typed number of backups to keep is always one a folder can hold.
#include <filesystem>

#include "app/backup.h"
#include "archive/paths.h"
#include "fuzz/fuzz_support.h"

namespace {

const std::filesystem::path kFolder = "/programma";

// The name's parts, as a restore unpacks them under the folder.
std::filesystem::path underFolder(std::string_view name) {
    std::filesystem::path path = kFolder;
    for (std::size_t at = 0;;) {
        const std::size_t slash = name.find('/', at);
        path /= custovia::pathFromUtf8(name.substr(at, slash == std::string_view::npos ? slash : slash - at));
        if (slash == std::string_view::npos) return path;
        at = slash + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> part = fuzz::parts(fuzz::asText(data, size), 3);
    const std::string& name = part[0];

    if (custovia::belongsInBackup(name)) {
        fuzz::require(name.find_first_of("\\:") == std::string::npos);
        const std::filesystem::path path = underFolder(name).lexically_normal();
        const std::filesystem::path inside = path.lexically_relative(kFolder);
        fuzz::require(!inside.empty() && *inside.begin() != ".." && *inside.begin() != ".");
        // a file at the top, or anything within the attachments or the photos
        const std::size_t slash = name.find('/');
        fuzz::require(slash == std::string::npos || custovia::isKeptFolder(name.substr(0, slash)));
        fuzz::require(name != custovia::kBackupSettingsFile);
    }

    custovia::DateTime taken;
    if (custovia::readBackupComment(part[1], taken)) {
        custovia::DateTime again;
        fuzz::require(custovia::readBackupComment(custovia::backupComment(taken), again));
        fuzz::require(again.year == taken.year && again.month == taken.month && again.day == taken.day &&
                      again.hour == taken.hour && again.minute == taken.minute &&
                      again.second == taken.second);
    }

    const int keep = custovia::keptCount(part[2]);
    fuzz::require(keep >= 1 && keep <= 999);
    return 0;
}
