#include "archive/windows/TfrmRegistroMessaggi.h"

#include <memory>

#include "archive/message_register.h"

namespace custovia {
namespace {

// The register as last read and the lines the list shows, shared by the search and the export.
struct Listed {
    std::string content;
    std::vector<std::string_view> lines;  // into content, newest first
};

ListConfig registerConfig(Environment& env) {
    const auto listed = std::make_shared<Listed>();
    ListConfig c;
    c.objectName = QStringLiteral("TfrmRegistroMessaggi");
    c.caption = QStringLiteral(" Registro messaggi");
    c.size = QSize(1000, 600);
    c.kind = ListKind::Search;
    c.filters = {{"txtArea", "Area di lavoro:", "area"},
                 {"txtDestinatario", "Destinatario (cellulare o e-mail):", "destinatario"},
                 {"txtTesto", "Testo del messaggio:", "testo"}};
    c.entries = [&env, listed](const std::vector<SearchFilter>& typed) {
        // a register that cannot be read leaves what was listed as it was
        listed->content = readRegister(env.file(kMessageRegisterFile), env.files);
        listed->lines = selectRegisterLines(listed->content, typed);
        std::vector<std::string> rows;
        rows.reserve(listed->lines.size());
        for (const std::string_view line : listed->lines) rows.push_back(registerRow(line));
        return rows;
    };
    c.countEnding = QStringLiteral(" messaggi");
    c.instruction = QStringLiteral("I messaggi sono elencati dal più recente al meno recente");
    c.printTitle = QStringLiteral("Registro dei messaggi inviati");
    c.listName = QStringLiteral("Messaggi trovati");
    c.filterInstruction = QStringLiteral(
        "Il registro annota ogni messaggio di WhatsApp e ogni e-mail che il programma ha passato al sistema. "
        "Indicare uno o più criteri di ricerca e premere Cerca; senza criteri vengono elencati tutti i "
        "messaggi.");
    c.exportList = [&env, listed](QWidget* window) {
        TfrmExpRegistroMessaggi grid(env, window, listed->lines);
        grid.exec();
    };
    return c;
}

ExportWindowConfig registerExportConfig(std::vector<std::string_view> lines) {
    ExportWindowConfig c;
    c.objectName = QStringLiteral("TfrmExpRegistroMessaggi");
    c.caption = QStringLiteral(" Esportazione registro messaggi");
    c.table = registerExport();
    c.fill = [lines = std::move(lines)](Environment&, GridRows& rows) { addRegisterRows(lines, rows); };
    c.restingHint = QStringLiteral("Esportazione registro messaggi in Microsoft Excel.");
    c.exportHint = QStringLiteral("Esporta i messaggi elencati in formato Microsoft Excel.");
    c.exitHint = QStringLiteral("Chiudi questa finestra.");
    c.helpTopic = HelpTopic::ExportMessages;
    return c;
}

}  // namespace

TfrmRegistroMessaggi::TfrmRegistroMessaggi(Environment& env, QWidget* parent)
    : ListWindow(env, registerConfig(env), parent) {}

void TfrmRegistroMessaggi::open(Environment& env, QWidget* parent) {
    TfrmRegistroMessaggi window(env, parent);
    window.exec();
}

TfrmExpRegistroMessaggi::TfrmExpRegistroMessaggi(Environment& env, QWidget* parent,
                                                 std::vector<std::string_view> lines)
    : ExportWindow(env, parent, registerExportConfig(std::move(lines))) {}

}  // namespace custovia
