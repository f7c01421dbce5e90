#include "tests/support/files.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace custovia::test {

TempFolder::TempFolder() {
    static std::mt19937_64 random{std::random_device{}()};
    path_ = std::filesystem::temp_directory_path() / ("custovia-test-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string testData(const std::string& name) {
    const std::filesystem::path file = std::filesystem::path(CUSTOVIA_TEST_DATA) / name;
    if (!std::filesystem::is_regular_file(file))
        throw std::runtime_error("missing test data: " + file.string());
    return readBytes(file);
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

std::string commandOutput(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        pclose(p);
    }
    return out;
}

std::string pdfText(const std::filesystem::path& pdf) {
    return commandOutput("pdftotext -layout -enc UTF-8 '" + pdf.string() + "' -");
}

}  // namespace custovia::test
