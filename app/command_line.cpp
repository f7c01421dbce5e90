#include "app/command_line.h"

#include <map>

#include "app/data_folder.h"
#include "archive/paths.h"

#ifndef CUSTOVIA_VERSION
#define CUSTOVIA_VERSION "1.0"
#endif

namespace custovia {
namespace {

const CommandOption* findOption(std::string_view name) {
    for (const CommandOption& option : commandOptions())
        if (option.name == name) return &option;
    return nullptr;
}

// The command behind each command option.
const std::map<std::string_view, CommandAction>& commandActions() {
    static const std::map<std::string_view, CommandAction> actions{
        {"--version",
         [](const CommandLine&, const std::filesystem::path&, const CommandStreams& s) {
             s.out(versionText() + "\n");
             return 0;
         }},
        {"--help",
         [](const CommandLine&, const std::filesystem::path&, const CommandStreams& s) {
             s.out(helpText());
             return 0;
         }},
    };
    return actions;
}

}  // namespace

const std::vector<CommandOption>& commandOptions() {
    static const std::vector<CommandOption> options{
        {"--folder", "CARTELLA", false,
         "usa CARTELLA come cartella dei dati (archivi, impostazioni, allegati)"},
        {"--version", "", true, "mostra la versione del programma ed esce"},
        {"--help", "", true, "mostra questo aiuto ed esce"},
    };
    return options;
}

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size() && line.error.empty(); ++i) {
        const std::string& arg = args[i];
        // the toolkit's own options ("-platform offscreen") are left to it
        if (arg.rfind("--", 0) != 0) continue;
        const CommandOption* option = findOption(arg);
        if (!option) {
            line.error = "opzione non riconosciuta: " + arg;
            break;
        }
        std::string value;
        if (!option->argument.empty()) {
            if (i + 1 >= args.size()) {
                line.error = "l'opzione " + arg + " richiede " + std::string(option->argument);
                break;
            }
            value = args[++i];
        }
        if (option->command) {
            if (!line.command.empty()) {
                line.error = "indicare un solo comando: " + line.command + " oppure " + arg;
                break;
            }
            line.command = arg;
            line.argument = value;
        } else if (arg == "--folder") {
            line.folder = pathFromUtf8(value);
        } else if (arg == "--force") {
            line.force = true;
        }
    }
    return line;
}

std::string versionText() { return std::string("Custovia ") + CUSTOVIA_VERSION; }

std::string helpText() {
    std::string text =
        "Uso: custovia [OPZIONI]\n\n"
        "Senza opzioni avvia il programma. Opzioni:\n";
    for (const CommandOption& option : commandOptions()) {
        std::string left = "  " + std::string(option.name);
        if (!option.argument.empty()) left += " " + std::string(option.argument);
        if (left.size() < 26)
            left.resize(26, ' ');
        else
            left += "  ";
        text += left + std::string(option.help) + "\n";
    }
    return text + "\n" + dataFolderHelp();
}

int runCommand(const CommandLine& line, const std::filesystem::path& folder, const CommandStreams& streams) {
    if (!line.error.empty()) {
        streams.err("custovia: " + line.error + "\n");
        return 2;
    }
    const auto action = commandActions().find(line.command);
    if (action == commandActions().end()) {
        streams.err("custovia: nessun comando da eseguire\n");
        return 2;
    }
    return action->second(line, folder, streams);
}

}  // namespace custovia
