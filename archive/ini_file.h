#pragma once
// Settings files with the rules of Windows profile files: Windows-1252 text, section and
// key names compared without regard to ASCII case, and every other line kept as it was
// when one key is written.
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "archive/block_file.h"

namespace custovia {

// A key of a settings file's section and the window field that shows its value.
struct FieldSetting {
    std::string_view key;
    std::string_view field;
};

// Reads [section] key; a missing file, section or key reads as the empty text.
// Throws ArchiveError when the file exists but cannot be read.
std::string readIniString(const std::filesystem::path& file, std::string_view section, std::string_view key);

// Writes [section] key=value, creating the file, the section or the key when missing.
// The file is replaced whole (see replaceFileContents), so a failed write leaves the previous
// file intact. Throws ArchiveError on failure.
void writeIniString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                    std::string_view value, FileOpener& files = platformFileOpener());

// Keys of one section with their values, in the order they are assigned.
using IniValues = std::vector<std::pair<std::string, std::string>>;
// Assigns every key, in order, as writeIniString would one after the other, and writes the
// file once: a crash or a failure leaves all the old values or all the new ones.
void writeIniStrings(const std::filesystem::path& file, std::string_view section, const IniValues& values,
                     FileOpener& files = platformFileOpener());

// The pure parts, on the file's text (UTF-8 in memory).
std::string iniLookup(std::string_view text, std::string_view section, std::string_view key);
std::string iniAssign(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value);

}  // namespace custovia
