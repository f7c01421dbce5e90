#pragma once
// Files for tests, without Qt: temporary program folders and whole-file bytes.
#include <filesystem>
#include <string>

namespace custovia::test {

// A fresh temporary folder, removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string readBytes(const std::filesystem::path& file);
// The bytes of a file under tests/data (the expected bytes of a record or an export); a missing
// file throws.
std::string testData(const std::string& name);
void writeBytes(const std::filesystem::path& file, const std::string& bytes);
// What a shell command prints on its standard output.
std::string commandOutput(const std::string& command);
// The text of a PDF as pdftotext reads it (with -layout).
std::string pdfText(const std::filesystem::path& pdf);

}  // namespace custovia::test
