#pragma once
// The scratch program folder the guide's pictures are taken in: a few invented cards in every
// work area, written through the program's own archive and record layouts, with attachments,
// employee photos, services, the firm's data and the password store.
#include <filesystem>

namespace custovia::guide {

// Lays the sample cards out in an empty folder.
void laySampleFolder(const std::filesystem::path& folder);

}  // namespace custovia::guide
