#include "archive/attachments.h"

#include <fstream>
#include <system_error>
#include <vector>

#include "archive/file_replace.h"
#include "archive/paths.h"
#include "archive/text.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;

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

std::optional<std::string> attachmentNameFor(std::string_view chosenBareName) {
    std::u32string name = utf8ToCodePoints(trimView(chosenBareName));
    for (char32_t& c : name)
        if (c < 0x20 || c == 0x7F || !fitsCp1252(codePointsToUtf8(std::u32string_view(&c, 1)))) c = U'_';
    if (name.empty() || name.size() > kAttachmentNameCapacity) return std::nullopt;
    // a name such as ".." could only be refused later, when the card's "Apri" looks for it
    std::string attached = codePointsToUtf8(name);
    if (!isBareFileName(attached)) return std::nullopt;
    return attached;
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
                                  std::string_view name, const std::function<bool()>& confirmOverwrite,
                                  FileOpener& files) {
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
    std::ifstream source(chosen, std::ios::binary);
    if (!source) return AttachOutcome::Failed;
    const auto copy = [&source](const auto& put) {
        std::vector<char> buffer(1 << 20);
        while (source) {
            source.read(buffer.data(), std::streamsize(buffer.size()));
            if (source.gcount() > 0) put(std::string_view(buffer.data(), std::size_t(source.gcount())));
        }
        if (source.bad()) throw ArchiveError("cannot read the chosen file");
    };
    try {
        return writeThroughTemporary(*target, copy, files) ? AttachOutcome::Copied : AttachOutcome::Failed;
    } catch (const ArchiveError&) {
        return AttachOutcome::Failed;
    }
}

}  // namespace custovia
