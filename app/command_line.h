#pragma once
// The program's command line. Without options it starts the windows; the commands for
// scripts and scheduled tasks answer on the standard streams and need no display.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace custovia {

struct CommandLine {
    // The command to run instead of the windows; empty: start the windows.
    std::string command;
    std::filesystem::path argument;               // the command's file, where it takes one
    std::optional<std::filesystem::path> folder;  // --folder DIR
    bool force = false;                           // --force
    std::string error;                            // a one-line reason when the line cannot be understood
};

// What one option is: its name, the text its argument stands for (empty: none), whether it
// is a command of its own, and its line of the help text.
struct CommandOption {
    std::string_view name;
    std::string_view argument;
    bool command = false;
    std::string_view help;
};
const std::vector<CommandOption>& commandOptions();

// The arguments after the program's name.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// The version ("Custovia 1.0") and the help text (Italian, every option).
std::string versionText();
std::string helpText();

// What a command does: writes to out and err, returns the exit status.
struct CommandStreams {
    std::function<void(std::string_view)> out, err;
};
using CommandAction =
    std::function<int(const CommandLine&, const std::filesystem::path& folder, const CommandStreams&)>;

// Runs the command of the line (which must have one) over the folder; an unknown or
// unreadable line is answered on err with exit status 2.
int runCommand(const CommandLine& line, const std::filesystem::path& folder, const CommandStreams& streams);

}  // namespace custovia
