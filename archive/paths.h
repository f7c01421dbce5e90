#pragma once
// The one way between text and file-system paths. Names are UTF-8 in memory (std::string,
// and QString::toStdString() gives UTF-8); a path built from a plain std::string is read in
// the ANSI code page on Windows, where "Niccolò" or "€" would name another, missing file.
// Going through char8_t keeps every character on every system.
#include <filesystem>
#include <string>
#include <string_view>

namespace custovia {

std::filesystem::path pathFromUtf8(std::string_view utf8);
// The path's own characters as UTF-8 (never the ANSI code page, which loses "€" on Windows).
std::string pathToUtf8(const std::filesystem::path& path);

// The folder of the running executable (no toolkit needed, so commands run without a display).
std::filesystem::path executableFolder();

// An environment variable as a path; empty when it is unset or empty.
std::filesystem::path environmentPath(const char* name);
// The user's home folder: HOME, else the account's own (USERPROFILE on Windows); empty when
// neither is known.
std::filesystem::path homeFolder();

}  // namespace custovia
