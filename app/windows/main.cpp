#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/windows/Program.h"
#include "app/windows/Startup.h"

int main(int argc, char** argv) {
    const custovia::CommandLine line =
        custovia::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    // a portable program folder keeps everything beside the executable; an installed program
    // keeps its data in the folder named, or in the user's data folder
    const custovia::ProgramFolders folders =
        custovia::chooseFolders(custovia::systemFolderFacts(line.folder));
    const auto writeTo = [](std::FILE* stream) {
        return [stream](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stream); };
    };
    const bool needsNoFolder = line.command == "--version" || line.command == "--help";
    if (!folders.error.empty() && line.error.empty() && !needsNoFolder) {
        std::fprintf(stderr, "custovia: %s\n", folders.error.c_str());
        return 2;
    }
    // a command answers on the standard streams and needs no display
    if (!line.command.empty() || !line.error.empty())
        return custovia::runCommand(line, folders.data, {writeTo(stdout), writeTo(stderr)});
    QApplication app(argc, argv);
    custovia::prepareApplication(app);
    return custovia::runProgram(app, folders.data, folders.delivered);
}
