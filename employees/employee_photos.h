#pragma once
// Employee photos: one JPEG file per card in the folder "Anagrafica", named after the card's
// record number, and the order in which the slide show walks through them.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace custovia {

inline constexpr std::string_view kPhotoFolderName = "Anagrafica";

std::filesystem::path photoFolder(const std::filesystem::path& programFolder);
// "Anagrafica/Scheda_Dipendente_" + record number (1-based, no leading zeros) + ".jpg".
std::filesystem::path employeePhotoFile(const std::filesystem::path& programFolder,
                                        std::uint64_t recordNumber);

// A name chosen in the save dialog, with ".jpg" added when it has no extension of its own.
std::string withJpegExtension(std::string_view chosenPath);

// Replaces the file's content through a uniquely named temporary file beside it, renamed into
// place, so a write that fails leaves the old file whole. Creates the folder when missing.
// False when the file could not be written.
bool replaceFile(const std::filesystem::path& file, std::string_view bytes);

// One tick of the slide show. `shown` is the record number of the photo on show (0 before
// the first), `count` the archive's records.
struct SlideStep {
    enum Kind {
        EmptyArchive,  // stop: the archive holds no card
        ShowPhoto,     // show the photo of record `shown`
        Hold,          // the last photo stays one more interval; the next tick starts again at 1
    } kind;
    std::uint64_t shown = 0;
};
SlideStep slideShowStep(std::uint64_t shown, std::uint64_t count);

}  // namespace custovia
