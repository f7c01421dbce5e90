#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/windows/Program.h"
#include "app/windows/Startup.h"
#include "archive/paths.h"

int main(int argc, char** argv) {
    const custovia::CommandLine line =
        custovia::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    // every file of the program lives in the executable's own folder, unless one is named
    const std::filesystem::path folder = line.folder.value_or(custovia::executableFolder());
    // a command answers on the standard streams and needs no display
    if (!line.command.empty() || !line.error.empty()) {
        const auto writeTo = [](std::FILE* stream) {
            return [stream](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stream); };
        };
        return custovia::runCommand(line, folder, {writeTo(stdout), writeTo(stderr)});
    }
    QApplication app(argc, argv);
    custovia::prepareApplication(app);
    return custovia::runProgram(app, folder);
}
