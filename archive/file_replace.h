#pragma once
// Every file the program writes whole (settings, the password store, documents, exports,
// pictures, attachment copies) is written beside the old file under a name no other writer
// uses, then put in its place in one step, so a reader never sees half a file and a failed
// write never loses the old one.
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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
// place, carefully: a crash at any moment leaves the old content or the new one, each
// possibly followed by blanks that the program's files ignore, a full disk fails before
// any old byte changes, and any later failure puts the old bytes back. Throws ArchiveError
// (the target then stays as it was).
void replaceFileContents(const std::filesystem::path& target, std::string_view bytes,
                         FileOpener& files = platformFileOpener());
// The same for content handed out in pieces (a large export): streamed to the temporary
// file, gathered in memory only where the file has to be rewritten in place.
void replaceFileContents(const std::filesystem::path& target, const ContentWriter& content,
                         FileOpener& files = platformFileOpener());

// True for the names temporaryNameBeside makes: "<name>.<16 hex digits>.tmp".
bool isTemporaryName(std::string_view fileName);

// Removes the temporary files a crash left in these folders (not in their sub-folders):
// only files named as temporaryNameBeside names them, and only when last written at least
// `age` before `now`, since another workstation sharing the folder may be writing one at
// this moment. Folders that are missing or cannot be listed are passed over. Returns how
// many files were removed.
std::size_t removeStaleTemporaries(const std::vector<std::filesystem::path>& folders,
                                   std::chrono::system_clock::time_point now,
                                   std::chrono::minutes age = std::chrono::minutes(10));

}  // namespace custovia
