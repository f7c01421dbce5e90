#include "app/command_line.h"

#include <map>

#include "app/backup.h"
#include "app/data_folder.h"
#include "app/folder_check.h"
#include "app/restore.h"
#include "archive/clock.h"
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
        {"--backup",
         [](const CommandLine& line, const std::filesystem::path& folder, const CommandStreams& s) {
             const BackupSummary done = writeBackup(folder, line.argument, SystemClock().now(), systemZip());
             s.out("Copia di sicurezza scritta in " + pathToUtf8(done.file) + " (" +
                   std::to_string(done.files) + " file, " + sizeText(done.bytes) + ")\n");
             return 0;
         }},
        {"--restore",
         [](const CommandLine& line, const std::filesystem::path& folder, const CommandStreams& s) {
             // where the window would ask about an older backup, a script is refused unless forced
             std::string refusal;
             const RestoreOutcome done = restoreBackup(folder, line.argument, SystemClock().now(),
                                                       systemZip(), [&](const RestoreDates& dates) {
                                                           if (!dates.older || line.force) return true;
                                                           refusal = olderBackupRefusal(dates);
                                                           return false;
                                                       });
             if (!done.restored) {
                 s.err("custovia: " + refusal + "\n");
                 return 1;
             }
             s.out("Copia di sicurezza ripristinata (" + std::to_string(done.files) + " file)" +
                   (done.replaced.empty() ? std::string()
                                          : "; i file sostituiti sono in " + pathToUtf8(done.replaced)) +
                   "\n");
             return 0;
         }},
        {"--check",
         [](const CommandLine&, const std::filesystem::path& folder, const CommandStreams& s) {
             FolderCheck check;
             try {
                 check = checkFolder(folder);
             } catch (const BackupError& e) {
                 s.err(std::string("custovia: ") + e.what() + "\n");
                 return 2;  // not a list of problems: the folder could not be read at all
             }
             s.out(checkReportText(check));
             return check.clean() ? 0 : 1;
         }},
    };
    return actions;
}

}  // namespace

const std::vector<CommandOption>& commandOptions() {
    static const std::vector<CommandOption> options{
        {"--folder", "CARTELLA", false,
         "usa CARTELLA come cartella dei dati (archivi, impostazioni, allegati)"},
        {"--backup", "FILE", true,
         "scrive in FILE (.zip) una copia di sicurezza di archivi, impostazioni, allegati e foto ed esce"},
        {"--restore", "FILE", true,
         "ripristina la copia di sicurezza FILE ed esce; i file sostituiti restano in "
         "Backup/Sostituiti_AAAA-MM-GG_HHMM"},
        {"--force", "", false,
         "con --restore, ripristina anche una copia più vecchia della scheda più recente"},
        {"--check", "", true,
         "verifica archivi, impostazioni, allegati e foto senza modificare nulla ed elenca i problemi "
         "(uscita 0: nessun problema, 1: problemi trovati)"},
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
    if (line.error.empty() && line.force && line.command != "--restore")
        line.error = "l'opzione --force si usa solo con --restore";
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
    try {
        return action->second(line, folder, streams);
    } catch (const std::exception& e) {
        streams.err(std::string("custovia: ") + e.what() + "\n");
        return 1;
    }
}

}  // namespace custovia
