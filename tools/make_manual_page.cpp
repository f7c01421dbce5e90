// Writes the manual page custovia(1) on the standard output, from the program's own table of
// options, so that the page lists every option the program understands.
#include <cstdio>
#include <string>
#include <string_view>

#include "app/command_line.h"
#include "app/data_folder.h"

namespace {

// Text as roff reads it literally: backslashes and minus signs escaped, and no line taken
// for a request.
std::string roff(std::string_view text) {
    std::string out;
    bool lineStart = true;
    for (const char c : text) {
        if (lineStart && (c == '.' || c == '\'')) out += "\\&";
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
        lineStart = c == '\n';
    }
    return out;
}

}  // namespace

int main() {
    std::string page =
        ".TH CUSTOVIA 1 \"\" \"" + custovia::versionText() +
        "\" \"Comandi utente\"\n"
        ".SH NOME\n"
        "custovia \\- gestionale per istituti di vigilanza privata\n"
        ".SH SINTESI\n"
        ".B custovia\n"
        "[\\fIOPZIONI\\fR]\n"
        ".SH DESCRIZIONE\n"
        "Custovia tiene gli archivi di un istituto di vigilanza privata: interventi, clienti e "
        "servizi, dipendenti, appuntamenti e contratti. Senza opzioni apre la finestra di "
        "accesso; la prima password è \\fBguardianottura\\fR.\n"
        ".SH OPZIONI\n";
    for (const custovia::CommandOption& option : custovia::commandOptions()) {
        page += ".TP\n.B " + roff(option.name);
        if (!option.argument.empty()) page += " \\fI" + roff(option.argument) + "\\fR";
        page += "\n" + roff(option.help) + "\n";
    }
    page += ".SH \"CARTELLA DEI DATI\"\n" + roff(custovia::dataFolderHelp()) +
            ".PP\n"
            "Alla prima partenza in una cartella vuota il programma vi scrive l'archivio della password "
            "(unins000.dll) con la prima password. Più postazioni condividono gli stessi archivi "
            "indicando con \\fB\\-\\-folder\\fR la stessa cartella su un disco di rete.\n"
            ".SH AMBIENTE\n"
            ".TP\n.B CUSTOVIA_FOLDER\n"
            "la cartella dei dati di un programma installato, quando non si indica \\fB\\-\\-folder\\fR\n"
            ".SH FILE\n"
            ".TP\n.I /usr/share/custovia\n"
            "il suono di avviso dell'agenda (Avviso.mp3) e la guida (Guida.pdf)\n";
    std::fwrite(page.data(), 1, page.size(), stdout);
    return 0;
}
