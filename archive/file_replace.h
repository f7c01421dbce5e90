#pragma once
// Whole small files (settings, the password store, attachment copies) are written beside
// the old file under a name no other writer uses, then put in its place in one step, so a
// reader never sees half a file and a failed write never loses the old one.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "archive/block_file.h"

namespace custovia {

// A name for a temporary file beside `target`: the target's name, a part unique to this
// writer and ".tmp" ("Segnalazioni.ini.3f9a0c21d4e87b65.tmp"). Two calls never give the
// same name, in one process or in two.
std::filesystem::path temporaryNameBeside(const std::filesystem::path& target);

// Hands out pieces of a new file's content, in order, to `put`.
using ContentWriter = std::function<void(const std::function<void(std::string_view)>& put)>;

// Writes the content to a new temporary file beside `target` and puts it in its place,
// keeping the target's permissions. Returns false, having touched nothing, when the folder
// refuses the temporary file or the exchange; throws ArchiveError when the content cannot be
// written (the temporary file is then removed and the target left as it was).
bool writeThroughTemporary(const std::filesystem::path& target, const ContentWriter& content,
                           FileOpener& files = platformFileOpener());

// Replaces the whole content of `target`. Through a temporary file where the folder allows
// it; where it does not (a writable file in a read-only folder) the file is rewritten in
// place, carefully: it first grows to the new length, so a full disk fails before any old
// byte changes, and any later failure puts the old bytes back. Throws ArchiveError.
void replaceFileContents(const std::filesystem::path& target, std::string_view bytes,
                         FileOpener& files = platformFileOpener());

}  // namespace custovia
