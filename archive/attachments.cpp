#include "archive/attachments.h"

#include <system_error>

namespace custovia {
namespace {

namespace fs = std::filesystem;

// Names are UTF-8 in memory; going through char8_t keeps them right on every platform.
fs::path pathFromUtf8(std::string_view utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

bool onlyDotsAndBlanks(std::string_view name) {
    return name.find_first_not_of(". ") == std::string_view::npos;
}

bool hasControlCharacter(std::string_view name) {
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 0x20) return true;
    return false;
}

}  // namespace

fs::path attachmentsFolder(const fs::path& programFolder) { return programFolder / kAttachmentsFolderName; }

std::string bareName(std::string_view chosenPath) {
    const std::size_t cut = chosenPath.find_last_of("/\\");
    return std::string(cut == std::string_view::npos ? chosenPath : chosenPath.substr(cut + 1));
}

bool isBareFileName(std::string_view name) {
    // "." and ".." lead out of the folder; Windows also drops trailing dots and blanks, so
    // ".. ." is refused with them
    if (onlyDotsAndBlanks(name)) return false;
    if (name.find_first_of("/\\") != std::string_view::npos) return false;
    if (hasControlCharacter(name)) return false;
    return !pathFromUtf8(name).has_root_path();  // "C:x" on Windows
}

std::optional<fs::path> attachmentPath(const fs::path& programFolder, std::string_view name) {
    if (!isBareFileName(name)) return std::nullopt;
    return attachmentsFolder(programFolder) / pathFromUtf8(name);
}

AttachOutcome copyIntoAttachments(const fs::path& programFolder, const fs::path& chosen,
                                  std::string_view name, const std::function<bool()>& confirmOverwrite) {
    const auto target = attachmentPath(programFolder, name);
    if (!target) return AttachOutcome::Failed;
    std::error_code ec;
    fs::create_directories(target->parent_path(), ec);
    if (ec) return AttachOutcome::Failed;
    if (fs::exists(*target, ec)) {
        // copying a file onto itself with overwrite may truncate it: it is already in place
        if (fs::equivalent(chosen, *target, ec)) return AttachOutcome::AlreadyInPlace;
        if (!confirmOverwrite()) return AttachOutcome::Declined;
    }
    // copy beside the target and rename over it, so a copy that fails half-way never leaves
    // a file that other cards refer to cut short
    fs::path temporary = *target;
    temporary += ".tmp-copy";
    fs::copy_file(chosen, temporary, fs::copy_options::overwrite_existing, ec);
    if (!ec) fs::rename(temporary, *target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return AttachOutcome::Failed;
    }
    return AttachOutcome::Copied;
}

}  // namespace custovia
