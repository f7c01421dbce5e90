// The command line: options, commands, their arguments and the help text.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace custovia {
namespace {

TEST(CommandLine, ReadsTheFolderAndOneCommandAndLeavesTheToolkitsOptions) {
    const CommandLine none = parseCommandLine({});
    EXPECT_TRUE(none.command.empty());
    EXPECT_TRUE(none.error.empty());
    EXPECT_FALSE(none.folder);

    const CommandLine line =
        parseCommandLine({"-platform", "offscreen", "--folder", "/dati/Vigilanza", "--version"});
    EXPECT_EQ(line.command, "--version");
    EXPECT_EQ(line.folder, std::filesystem::path("/dati/Vigilanza"));
    EXPECT_TRUE(line.error.empty());

    const CommandLine restore = parseCommandLine({"--force", "--restore", "Copie/lunedì.zip"});
    EXPECT_EQ(restore.command, "--restore");
    EXPECT_EQ(restore.argument, std::filesystem::path("Copie/lunedì.zip"));
    EXPECT_TRUE(restore.force);
    EXPECT_TRUE(restore.error.empty());

    const struct {
        std::vector<std::string> args;
        const char* error;
    } wrong[] = {
        {{"--cartella"}, "opzione non riconosciuta: --cartella"},
        {{"--folder"}, "l'opzione --folder richiede CARTELLA"},
        {{"--version", "--help"}, "indicare un solo comando: --version oppure --help"},
        {{"--backup"}, "l'opzione --backup richiede FILE"},
        {{"--backup", "a.zip", "--check"}, "indicare un solo comando: --backup oppure --check"},
        {{"--backup", "a.zip", "--force"}, "l'opzione --force si usa solo con --restore"},
        {{"--force"}, "l'opzione --force si usa solo con --restore"},
    };
    for (const auto& w : wrong) EXPECT_EQ(parseCommandLine(w.args).error, w.error);
}

TEST(CommandLine, AnswersOnItsStreamsWithAnExitStatus) {
    std::string out, err;
    const CommandStreams streams{[&](std::string_view t) { out += t; },
                                 [&](std::string_view t) { err += t; }};
    EXPECT_EQ(runCommand(parseCommandLine({"--version"}), ".", streams), 0);
    EXPECT_EQ(out, versionText() + "\n");
    EXPECT_EQ(versionText().rfind("Custovia ", 0), 0u);

    out.clear();
    EXPECT_EQ(runCommand(parseCommandLine({"--help"}), ".", streams), 0);
    for (const CommandOption& option : commandOptions()) {
        EXPECT_NE(out.find(std::string(option.name)), std::string::npos) << option.name;
        EXPECT_NE(out.find(std::string(option.help)), std::string::npos) << option.name;
    }
    EXPECT_TRUE(err.empty());

    EXPECT_EQ(runCommand(parseCommandLine({"--boh"}), ".", streams), 2);
    EXPECT_EQ(err, "custovia: opzione non riconosciuta: --boh\n");
}

}  // namespace
}  // namespace custovia
