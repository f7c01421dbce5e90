#include "employees/employee_photos.h"

#include <system_error>

#include "archive/file_replace.h"

namespace custovia {
namespace fs = std::filesystem;

fs::path photoFolder(const fs::path& programFolder) { return programFolder / kPhotoFolderName; }

fs::path employeePhotoFile(const fs::path& programFolder, std::uint64_t recordNumber) {
    return photoFolder(programFolder) / ("Scheda_Dipendente_" + std::to_string(recordNumber) + ".jpg");
}

std::string withJpegExtension(std::string_view chosenPath) {
    std::string path(chosenPath);
    const std::size_t name = path.find_last_of("/\\");
    const std::size_t dot = path.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (name == std::string::npos || dot > name + 1);
    if (!hasExtension) path += ".jpg";
    return path;
}

bool replaceFile(const fs::path& file, std::string_view bytes) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (ec) return false;
    try {
        return writeThroughTemporary(file, [bytes](const auto& put) { put(bytes); });
    } catch (const ArchiveError&) {
        return false;
    }
}

SlideStep slideShowStep(std::uint64_t shown, std::uint64_t count) {
    if (count == 0) return {SlideStep::EmptyArchive, 0};
    if (shown < count) return {SlideStep::ShowPhoto, shown + 1};
    return {SlideStep::Hold, 0};
}

}  // namespace custovia
