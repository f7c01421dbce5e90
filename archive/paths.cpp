#include "archive/paths.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

#include <cstdlib>

namespace custovia {

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string pathToUtf8(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

std::filesystem::path executableFolder() {
#ifdef _WIN32
    std::wstring name(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
    name.resize(length);
    return std::filesystem::path(name).parent_path();
#else
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : self.parent_path();
#endif
}

std::filesystem::path environmentPath(const char* name) {
#ifdef _WIN32
    // the wide form keeps every character of a user name such as "Niccolò"
    const std::wstring wide(name, name + std::char_traits<char>::length(name));
    const wchar_t* value = _wgetenv(wide.c_str());
    return value ? std::filesystem::path(value) : std::filesystem::path();
#else
    const char* value = std::getenv(name);
    return value ? pathFromUtf8(value) : std::filesystem::path();
#endif
}

std::filesystem::path homeFolder() {
#ifdef _WIN32
    return environmentPath("USERPROFILE");
#else
    std::filesystem::path home = environmentPath("HOME");
    if (home.empty()) {
        // started without HOME (a service, a bare su): the account's own home folder
        if (const passwd* account = getpwuid(getuid()); account && account->pw_dir)
            home = pathFromUtf8(account->pw_dir);
    }
    return home;
#endif
}

}  // namespace custovia
