#include "employees/employee_photos.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <system_error>

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

namespace {

// A name no other writer uses at the same time: this process, a counter and a random part.
fs::path temporaryBeside(const fs::path& file) {
    static std::atomic<unsigned> counter{0};
    static const unsigned long long seed =
        std::random_device{}() ^ std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    fs::path temporary = file;
    temporary += ".tmp-" + std::to_string(seed) + "-" + std::to_string(++counter);
    return temporary;
}

bool writeNew(const fs::path& temporary, std::string_view bytes) {
    // "x": the temporary must not exist yet, so two writers never share one
    std::FILE* out = std::fopen(temporary.string().c_str(), "wbx");
    if (!out) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    const bool closed = std::fclose(out) == 0;
    return written && closed;
}

}  // namespace

bool replaceFile(const fs::path& file, std::string_view bytes) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (ec) return false;
    const fs::path temporary = temporaryBeside(file);
    if (writeNew(temporary, bytes)) {
        fs::rename(temporary, file, ec);
        if (!ec) return true;
    }
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
}

SlideStep slideShowStep(std::uint64_t shown, std::uint64_t count) {
    if (count == 0) return {SlideStep::EmptyArchive, 0};
    if (shown < count) return {SlideStep::ShowPhoto, shown + 1};
    return {SlideStep::Hold, 0};
}

}  // namespace custovia
