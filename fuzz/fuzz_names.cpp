// File names from a chosen path or from a record of any bytes: an attachment or a photo is
// never looked for outside its folder.
#include <filesystem>

#include "archive/attachments.h"
#include "archive/text.h"
#include "employees/employee_photos.h"
#include "fuzz/fuzz_support.h"

namespace {

const std::filesystem::path kFolder = "/programma";

bool directlyInside(const std::filesystem::path& file, const std::filesystem::path& folder) {
    return file.parent_path() == folder && file.filename() != "." && file.filename() != ".." &&
           !file.filename().empty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    const std::filesystem::path attachments = custovia::attachmentsFolder(kFolder);

    const std::string bare = custovia::bareName(text);
    fuzz::require(bare.find('/') == std::string::npos && bare.find('\\') == std::string::npos);
    if (const auto name = custovia::attachmentNameFor(bare)) {
        fuzz::require(custovia::isBareFileName(*name));
        fuzz::require(custovia::toCp1252(*name).size() <= custovia::kAttachmentNameCapacity);
    }
    // a name read from a record
    if (const auto path = custovia::attachmentPath(kFolder, text))
        fuzz::require(directlyInside(path->lexically_normal(), attachments.lexically_normal()));

    std::uint64_t number = 0;
    for (std::size_t i = 0; i < size && i < 8; ++i) number = number << 8 | data[i];
    const std::filesystem::path photo = custovia::employeePhotoFile(kFolder, number);
    fuzz::require(directlyInside(photo, custovia::photoFolder(kFolder)));
    (void)custovia::withJpegExtension(text);
    return 0;
}
